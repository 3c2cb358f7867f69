#include "conversion/convert_flag_set.h"

#include "conversion/build_scenario_text.h"
#include "runtime/failure.h"

namespace flg2scn {

std::variant<std::u16string, Problem> ConvertFlagSet(const FlagSet& flags) {
    if (flags.header.empty()) {
        return Problem::kNoHeader;
    }
    if (flags.count != 2) {
        return Problem::kWrongFlagCount;
    }
    try {
        return BuildScenarioText(flags);
    } catch (const RuntimeFailure&) {
        return Problem::kFailure;
    }
}

}  // namespace flg2scn
