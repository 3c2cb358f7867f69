#pragma once

#include <string>
#include <string_view>

#include "support/temp_dir.h"

namespace flg2scn::test {

// The Harbour example's flag text.
inline constexpr std::u16string_view kHarbourFlags =
    u"#Harbour\r\n<100 200 40>\r\n<1024 512 96>\r\n";

// The scenario text that it converts to, written out by hand in
// tests/data/harbour.scn; a save adds one more CR LF.
inline const std::u16string& HarbourScenario() {
    static const std::u16string text = [] {
        const std::string bytes = ReadBytes(FLG2SCN_TEST_DATA "/harbour.scn");
        return std::u16string(bytes.begin(), bytes.end());
    }();
    return text;
}

}  // namespace flg2scn::test
