#include "conversion/build_scenario_text.h"

#include <initializer_list>
#include <string_view>

#include "runtime/number_reading.h"
#include "runtime/number_text.h"

namespace flg2scn {

namespace {

constexpr std::u16string_view Q = u"\"";
constexpr std::u16string_view kAreaModel = u"models/objects/dmspot/tris.md2";

// The second corner's numbers of a flag location.
struct Corner {
    std::u16string x;
    std::u16string y;
    std::u16string z;
};

Corner SecondCorner(const FlagLocation& location) {
    return {NumberText(ReadNumber(location.X) + 30), NumberText(ReadNumber(location.Y) + 30),
            NumberText(ReadNumber(location.Z) - 35)};
}

void Line(std::u16string& text, std::initializer_list<std::u16string_view> pieces) {
    for (const std::u16string_view piece : pieces) {
        text += piece;
    }
    text += u"\r\n";
}

}  // namespace

std::u16string BuildScenarioText(const FlagSet& flags) {
    const FlagLocation& blue = flags.locations[0];
    const FlagLocation& red = flags.locations[1];
    // Both corners first, so that a failure leaves no partial text behind.
    const Corner blue_corner = SecondCorner(blue);
    const Corner red_corner = SecondCorner(red);

    std::u16string text;
    Line(text, {u"SCENARIO ", Q, flags.header, u" (CTB)", Q});
    Line(text, {u"{"});
    Line(text, {u"CONTINUOUS"});
    Line(text, {u"TARGETS"});
    Line(text, {u"{"});
    // The two target areas are spaced differently, and each stays as it is.
    Line(text, {u"  TARGET_AREA ", Q, u"Blue Base", Q, u" ( ", blue.X, u" ", blue.Y, u" ", blue.Z,
                u" ) (", blue_corner.x, u" ", blue_corner.y, blue_corner.z, u" ) MODEL ", Q,
                kAreaModel, Q});
    Line(text,
         {u"  TARGET_AREA ", Q, u"Red Base", Q, u" ( ", red.X, u" ", red.Y, u" ", red.Z, u" ) ( ",
          red_corner.x, red_corner.y, red_corner.z, u" ) MODEL ", Q, kAreaModel, Q});
    Line(text, {u"  TARGET_OBJECT ", Q, u"Black Package", Q, u" MODEL ", Q,
                u"models/items/bcase/g_bc1.md2", Q, u" PIC ", Q, u"i_bc1", Q, u" VWEP ", Q,
                u"w_bc1.md2", Q});
    Line(text, {u"  TARGET_OBJECT ", Q, u"Silver Package", Q, u" MODEL ", Q,
                u"models/items/bcase/g_bc2.md2", Q, u" PIC ", Q, u"i_bc2", Q, u" VWEP ", Q,
                u"w_bc2.md2", Q});
    Line(text, {u"}"});
    Line(text, {u"TEAM ", Q, u"Team Red", Q});
    Line(text, {u"{"});
    Line(text, {u"  SKIN ", Q, u"male/chow", Q});
    Line(text, {u"  WEAPONS ", Q, u"all", Q});
    Line(text, {u"  RESPAWN TIME 15 AWAY_FROM ", Q, u"Blue Base", Q, u" 4"});
    Line(text, {u"  GOALS"});
    Line(text, {u"  {"});
    Line(text, {u"  RETRIEVE ", Q, u"Black Package", Q, u" FROM ", Q, u"Blue Base", Q, u" TO ", Q,
                u"Red Base", Q, u" WITH ", Q, u"Silver Package", Q, u" TOUCH_RETURN"});
    Line(text, {u"  }"});
    Line(text, {u"}"});
    Line(text, {u"TEAM ", Q, u"Team Blue", Q});
    Line(text, {u"{"});
    Line(text, {u"  SKIN ", Q, u"male/bluebeard", Q});
    Line(text, {u"  WEAPONS ", Q, u"all", Q});
    Line(text, {u"  RESPAWN TIME 15 AWAY_FROM ", Q, u"Red Base", Q, u" 4"});
    Line(text, {u"  GOALS"});
    Line(text, {u"  {"});
    Line(text, {u"  RETRIEVE ", Q, u"Silver Package", Q, u" FROM ", Q, u"Red Base", Q, u" TO ", Q,
                u"Blue Base", Q, u" WITH ", Q, u"Black Package", Q, u" TOUCH_RETURN"});
    Line(text, {u"  }"});
    Line(text, {u"}"});
    Line(text, {u"}"});
    return text;
}

}  // namespace flg2scn
