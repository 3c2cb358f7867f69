#pragma once

#include <string_view>

#include "ui/services.h"

namespace flg2scn {

// Why a flag text did not convert.
enum class Problem { kNothingToConvert, kNoHeader, kWrongFlagCount, kFailure };

// How a problem is told: fixed text, title and icon.
struct ProblemMessage {
    std::u16string_view text;
    std::u16string_view title;
    MessageIcon icon;
};

ProblemMessage MessageFor(Problem problem);

}  // namespace flg2scn
