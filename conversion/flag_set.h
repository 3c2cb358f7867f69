#pragma once

#include <array>
#include <string>

#include "vb6/int16.h"

namespace flg2scn {

// One flag position: its coordinates exactly as they stand in the flag text.
struct FlagLocation {
    std::u16string X;
    std::u16string Y;
    std::u16string Z;

    bool operator==(const FlagLocation&) const = default;
};

// What the flag text holds: the header and the flag locations in their order;
// slot 0 becomes the blue base and slot 1 the red base.
struct FlagSet {
    std::u16string header;
    Int16 count = 0;
    std::array<FlagLocation, 3> locations;
};

}  // namespace flg2scn
