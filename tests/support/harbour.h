#pragma once

#include <string_view>

namespace flg2scn::test {

// The flag text of the Harbour example and the scenario text it converts to,
// written out by hand.
inline constexpr std::u16string_view kHarbourFlags =
    u"#Harbour\r\n<100 200 40>\r\n<1024 512 96>\r\n";

inline constexpr std::u16string_view kHarbourScenario =
    u"SCENARIO \"Harbour (CTB)\"\r\n"
    u"{\r\n"
    u"CONTINUOUS\r\n"
    u"TARGETS\r\n"
    u"{\r\n"
    u"  TARGET_AREA \"Blue Base\" ( 100 200 40 ) ( 130  230 5 ) MODEL "
    u"\"models/objects/dmspot/tris.md2\"\r\n"
    u"  TARGET_AREA \"Red Base\" ( 1024 512 96 ) (  1054 542 61 ) MODEL "
    u"\"models/objects/dmspot/tris.md2\"\r\n"
    u"  TARGET_OBJECT \"Black Package\" MODEL \"models/items/bcase/g_bc1.md2\" PIC \"i_bc1\" "
    u"VWEP \"w_bc1.md2\"\r\n"
    u"  TARGET_OBJECT \"Silver Package\" MODEL \"models/items/bcase/g_bc2.md2\" PIC \"i_bc2\" "
    u"VWEP \"w_bc2.md2\"\r\n"
    u"}\r\n"
    u"TEAM \"Team Red\"\r\n"
    u"{\r\n"
    u"  SKIN \"male/chow\"\r\n"
    u"  WEAPONS \"all\"\r\n"
    u"  RESPAWN TIME 15 AWAY_FROM \"Blue Base\" 4\r\n"
    u"  GOALS\r\n"
    u"  {\r\n"
    u"  RETRIEVE \"Black Package\" FROM \"Blue Base\" TO \"Red Base\" WITH \"Silver Package\" "
    u"TOUCH_RETURN\r\n"
    u"  }\r\n"
    u"}\r\n"
    u"TEAM \"Team Blue\"\r\n"
    u"{\r\n"
    u"  SKIN \"male/bluebeard\"\r\n"
    u"  WEAPONS \"all\"\r\n"
    u"  RESPAWN TIME 15 AWAY_FROM \"Red Base\" 4\r\n"
    u"  GOALS\r\n"
    u"  {\r\n"
    u"  RETRIEVE \"Silver Package\" FROM \"Red Base\" TO \"Blue Base\" WITH \"Black Package\" "
    u"TOUCH_RETURN\r\n"
    u"  }\r\n"
    u"}\r\n"
    u"}\r\n";

}  // namespace flg2scn::test
