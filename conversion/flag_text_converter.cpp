#include "conversion/flag_text_converter.h"

#include "conversion/build_scenario_text.h"
#include "conversion/read_flag_text.h"
#include "runtime/failure.h"

namespace flg2scn {

namespace {

// Runs one step of a conversion. The platform's run-time failures become the
// failure problem here and nowhere else.
template <typename Step>
bool Succeeds(Step step) {
    try {
        step();
        return true;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

}  // namespace

void FlagTextConverter::ReadLine(std::u16string_view line) {
    ReadCounted([&] { reader_.ReadLine(line); });
}

void FlagTextConverter::ReadLine(std::u16string&& line) {
    ReadCounted([&] { reader_.ReadLine(std::move(line)); });
}

// Once a line has failed, the rest are counted but not read.
void FlagTextConverter::ReadCounted(const std::function<void()>& read) {
    ++lines_;
    if (!failed_) {
        failed_ = !Succeeds([&] { read(); });
    }
}

std::optional<Problem> FlagTextConverter::Check() const {
    if (lines_ == 0) {
        return Problem::kNothingToConvert;
    }
    if (failed_) {
        return Problem::kFailure;
    }
    const FlagSet& flags = reader_.flags();
    if (flags.header.empty()) {
        return Problem::kNoHeader;
    }
    if (flags.count != 2) {
        return Problem::kWrongFlagCount;
    }
    return std::nullopt;
}

std::optional<Problem> FlagTextConverter::Finish(const ScenarioWriter& text,
                                                 const HeaderWriter& header) const {
    if (const std::optional<Problem> problem = Check()) {
        return problem;
    }
    if (!Succeeds([&] { WriteScenarioText(reader_.flags(), text, header); })) {
        return Problem::kFailure;
    }
    return std::nullopt;
}

Conversion FlagTextConverter::Finish() const {
    if (const std::optional<Problem> problem = Check()) {
        return *problem;
    }
    Conversion result = Problem::kFailure;
    Succeeds([&] { result = BuildScenarioText(reader_.flags()); });
    return result;
}

Conversion ConvertFlagText(std::u16string_view text) {
    FlagTextConverter converter;
    if (!text.empty()) {
        ForEachFlagLine(text, [&](std::u16string_view line) { converter.ReadLine(line); });
    }
    return converter.Finish();
}

}  // namespace flg2scn
