#include "conversion/flag_stream.h"

#include <algorithm>

#include "conversion/build_scenario_text.h"
#include "conversion/flag_conversion.h"
#include "vb6/code_page.h"
#include "vb6/failure.h"

namespace flg2scn {

namespace {

constexpr std::size_t kChunk = std::size_t{1} << 20;

}  // namespace

FlagStreamConverter::FlagStreamConverter()
    : splitter_([this](std::string_view part, bool line_ends) { TakePart(part, line_ends); }) {}

// Only lines beginning with '#' or '<' are kept: no other byte decodes to either
// character, and the rules ignore every other line.
void FlagStreamConverter::TakePart(std::string_view part, bool line_ends) {
    if (!line_started_) {
        line_started_ = true;
        line_ = Line::kIgnored;
        if (part.starts_with('#')) {
            line_ = Line::kHeader;
            part.remove_prefix(1);
            // The last header wins, so an earlier one is let go at once.
            header_ = {};
        } else if (part.starts_with('<')) {
            line_ = Line::kFlag;
        }
    }
    if (line_ == Line::kHeader) {
        Hold(header_, part);
    } else if (line_ == Line::kFlag && !line_ends) {
        Hold(flag_parts_, part);
    }
    if (!line_ends) {
        return;
    }
    line_started_ = false;
    if (line_ == Line::kHeader) {
        // The header's text is never needed, only whether it is empty; a stand-in
        // line with the same emptiness takes its place in the rules.
        ReadLine(header_.empty() ? u"#" : u"#h");
    } else if (line_ == Line::kFlag) {
        EndFlagLine(part);
    } else {
        ++lines_;
    }
}

void FlagStreamConverter::ReadLine(std::u16string&& line) {
    ++lines_;
    if (failed_) {
        return;
    }
    try {
        reader_.ReadLine(std::move(line));
    } catch (const RuntimeFailure&) {
        failed_ = true;
    }
}

void FlagStreamConverter::Hold(Chunks& chunks, std::string_view part) {
    while (!part.empty()) {
        if (chunks.empty() || chunks.back().size() == kChunk) {
            chunks.emplace_back();
        }
        std::string& chunk = chunks.back();
        const std::size_t room = std::min(part.size(), kChunk - chunk.size());
        // Grown by doubling as usual, but never past a chunk: a short line costs
        // its length, and a long one no more than a chunk over it.
        if (chunk.size() + room > chunk.capacity()) {
            chunk.reserve(std::min(kChunk, std::max(chunk.size() + room, 2 * chunk.capacity())));
        }
        chunk.append(part.substr(0, room));
        part.remove_prefix(room);
    }
}

void FlagStreamConverter::EndFlagLine(std::string_view last_part) {
    if (flag_parts_.empty()) {
        ReadLine(DecodeText(last_part));
        return;
    }
    // Reserved, not filled: the line's memory is taken as it is written, while
    // each chunk's goes back, so the peak stays near the decoded line's size.
    // Every chunk but the last is full.
    std::u16string line;
    line.reserve((flag_parts_.size() - 1) * kChunk + flag_parts_.back().size() + last_part.size());
    for (std::string& chunk : flag_parts_) {
        line += DecodeText(chunk);
        // Swapped out: a move assignment would keep the chunk's storage.
        std::string().swap(chunk);
    }
    line += DecodeText(last_part);
    flag_parts_ = {};
    ReadLine(std::move(line));
}

FileConversion FlagStreamConverter::Finish() {
    splitter_.Finish();
    if (lines_ == 0) {
        return Problem::kNothingToConvert;
    }
    if (failed_) {
        return Problem::kFailure;
    }
    if (const std::optional<Problem> problem = CheckFlags(reader_.flags())) {
        return *problem;
    }
    // Measured first, so that the bytes are made once at their size: a long line
    // is then held twice over, as it was kept and in the bytes. Every character
    // is one byte, since all of them are the code page's: the fixed text is ASCII
    // and the rest comes from the file's decoded bytes.
    constexpr std::string_view kLastLineEnd = "\r\n";
    std::size_t length = kLastLineEnd.size();
    std::string file;
    // The scenario's text goes to `text`, the held header's bytes to `bytes`.
    const auto write = [&](const auto& text, const auto& bytes) {
        WriteScenarioText(reader_.flags(), text, [&] {
            for (const std::string& chunk : header_) {
                bytes(chunk);
            }
        });
    };
    try {
        write([&](std::u16string_view piece) { length += piece.size(); },
              [&](std::string_view chunk) { length += chunk.size(); });
        file.reserve(length);
        write([&](std::u16string_view piece) { AppendEncodedText(file, piece); },
              [&](std::string_view chunk) { file += chunk; });
    } catch (const RuntimeFailure&) {
        return Problem::kFailure;
    }
    file += kLastLineEnd;
    return file;
}

}  // namespace flg2scn
