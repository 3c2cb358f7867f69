#pragma once

#include <string_view>

namespace flg2scn {

// Why a flag text did not convert.
enum class Problem { kNothingToConvert, kNoHeader, kWrongFlagCount, kFailure };

// The fixed words that tell a problem, in both programs.
std::string_view ProblemText(Problem problem);

}  // namespace flg2scn
