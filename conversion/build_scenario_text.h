#pragma once

#include <string>

#include "conversion/flag_set.h"

namespace flg2scn {

// The 31-line scenario text, each line ending in CR LF, for a header and the flag
// locations in slots 0 (blue base) and 1 (red base). Each target area runs from
// the flag's own texts to the second corner V(X) + 30, V(Y) + 30, V(Z) - 35. A
// number that cannot be computed is a RuntimeFailure.
std::u16string BuildScenarioText(const FlagSet& flags);

}  // namespace flg2scn
