#include "conversion/flag_stream_converter.h"

#include <algorithm>

#include "runtime/code_page.h"

namespace flg2scn {

namespace {

// A kept line that spans pieces is held in chunks of this size, so that however
// small the pieces come (a pipe may give a byte at a time) it costs its length.
constexpr std::size_t kChunk = std::size_t{128} << 10;

}  // namespace

FlagStreamConverter::FlagStreamConverter()
    : splitter_([this](std::string_view part, bool line_ends) { TakePart(part, line_ends); }) {}

// Only lines beginning with '#' or '<' are decoded: no other byte decodes to
// either character, and the rules ignore every other line.
void FlagStreamConverter::TakePart(std::string_view part, bool line_ends) {
    if (!line_started_) {
        line_kept_ = !part.empty() && (part.front() == '#' || part.front() == '<');
        line_started_ = true;
    }
    if (line_kept_ && !line_ends) {
        HoldPart(part);
    }
    if (!line_ends) {
        return;
    }
    if (line_kept_) {
        EndKeptLine(part);
    } else {
        converter_.SkipLine();
    }
    line_started_ = false;
}

void FlagStreamConverter::HoldPart(std::string_view part) {
    while (!part.empty()) {
        if (kept_parts_.empty() || kept_parts_.back().size() == kChunk) {
            kept_parts_.emplace_back().reserve(kChunk);
        }
        std::string& chunk = kept_parts_.back();
        const std::size_t room = std::min(part.size(), kChunk - chunk.size());
        chunk.append(part.substr(0, room));
        part.remove_prefix(room);
    }
}

void FlagStreamConverter::EndKeptLine(std::string_view last_part) {
    if (kept_parts_.empty()) {
        converter_.ReadLine(DecodeText(last_part));
        return;
    }
    // Reserved, not filled: the line's memory is taken as it is written, while
    // each chunk's goes back, so the peak stays near the decoded line's size.
    // Every chunk but the last is full.
    std::u16string line;
    line.reserve((kept_parts_.size() - 1) * kChunk + kept_parts_.back().size() + last_part.size());
    for (std::string& chunk : kept_parts_) {
        line += DecodeText(chunk);
        // Swapped out: a move assignment would keep the chunk's storage.
        std::string().swap(chunk);
    }
    line += DecodeText(last_part);
    kept_parts_ = {};
    converter_.ReadLine(std::move(line));
}

Conversion FlagStreamConverter::Finish() {
    splitter_.Finish();
    return converter_.Finish();
}

std::optional<Problem> FlagStreamConverter::Finish(const ScenarioWriter& text) {
    splitter_.Finish();
    return converter_.Finish(text);
}

}  // namespace flg2scn
