#pragma once

#include <string>
#include <string_view>

namespace flg2scn::test {

// The Harbour example's flag text.
inline constexpr std::u16string_view kHarbourFlags =
    u"#Harbour\r\n<100 200 40>\r\n<1024 512 96>\r\n";

// The scenario text that it converts to, written out by hand in
// tests/data/harbour.scn; a save adds one more CR LF.
const std::u16string& HarbourScenario();

}  // namespace flg2scn::test
