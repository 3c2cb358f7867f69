#include "conversion/flag_conversion.h"

#include "conversion/build_scenario_text.h"
#include "conversion/flag_reader.h"
#include "vb6/failure.h"

namespace flg2scn {

std::optional<Problem> CheckFlags(const FlagSet& flags) {
    if (flags.header.empty()) {
        return Problem::kNoHeader;
    }
    if (flags.count != 2) {
        return Problem::kWrongFlagCount;
    }
    return std::nullopt;
}

Conversion ConvertFlagText(std::u16string_view text) {
    if (text.empty()) {
        return Problem::kNothingToConvert;
    }
    try {
        const FlagSet flags = ReadFlagText(text);
        if (const std::optional<Problem> problem = CheckFlags(flags)) {
            return *problem;
        }
        return BuildScenarioText(flags);
    } catch (const RuntimeFailure&) {
        return Problem::kFailure;
    }
}

}  // namespace flg2scn
