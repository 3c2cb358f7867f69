#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "conversion/flag_set.h"

namespace flg2scn {

// Takes a text piece by piece.
using ScenarioWriter = std::function<void(std::u16string_view piece)>;
// Writes the header where it stands in the scenario.
using HeaderWriter = std::function<void()>;

// The 31-line scenario text, each line ending in CR LF, for a header and the flag
// locations in slots 0 (blue base) and 1 (red base). Each target area runs from
// the flag's own texts to the second corner V(X) + 30, V(Y) + 30, V(Z) - 35. A
// number that cannot be computed is a RuntimeFailure.
std::u16string BuildScenarioText(const FlagSet& flags);

// The same text handed to `text` piece by piece, except the header, which
// `header` writes: a caller that holds a long header in another form (a file's
// bytes) keeps it once. The numbers are computed before the first piece.
void WriteScenarioText(const FlagSet& flags, const ScenarioWriter& text,
                       const HeaderWriter& header);

}  // namespace flg2scn
