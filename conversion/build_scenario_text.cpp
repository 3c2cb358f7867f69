#include "conversion/build_scenario_text.h"

#include <initializer_list>
#include <string_view>

#include "vb6/number_reading.h"
#include "vb6/number_text.h"

namespace flg2scn {

namespace {

constexpr std::u16string_view kQuote = u"\"";
constexpr std::u16string_view kAreaModel = u"models/objects/dmspot/tris.md2";

// The second corner's numbers of a flag location.
struct Corner {
    std::u16string X;
    std::u16string Y;
    std::u16string Z;
};

Corner SecondCorner(const FlagLocation& location) {
    return {NumberText(ReadNumber(location.X) + 30), NumberText(ReadNumber(location.Y) + 30),
            NumberText(ReadNumber(location.Z) - 35)};
}

void Line(const ScenarioWriter& text, std::initializer_list<std::u16string_view> pieces) {
    for (const std::u16string_view piece : pieces) {
        text(piece);
    }
    text(u"\r\n");
}

// A package that a team must carry home, with the models that show it.
struct Package {
    std::u16string_view name;
    std::u16string_view model;
    std::u16string_view picture;
    std::u16string_view view_weapon;
};

constexpr Package kBlackPackage{u"Black Package", u"models/items/bcase/g_bc1.md2", u"i_bc1",
                                u"w_bc1.md2"};
constexpr Package kSilverPackage{u"Silver Package", u"models/items/bcase/g_bc2.md2", u"i_bc2",
                                 u"w_bc2.md2"};

void TargetObject(const ScenarioWriter& text, const Package& package) {
    Line(text, {u"  TARGET_OBJECT ", kQuote, package.name, kQuote, u" MODEL ", kQuote,
                package.model, kQuote, u" PIC ", kQuote, package.picture, kQuote, u" VWEP ", kQuote,
                package.view_weapon, kQuote});
}

// A team respawns away from the other team's base, and retrieves the package
// there to its own base while it guards its own package.
struct Team {
    std::u16string_view name;
    std::u16string_view skin;
    std::u16string_view other_base;
    std::u16string_view own_base;
    const Package& retrieves;
    const Package& guards;
};

void TeamBlock(const ScenarioWriter& text, const Team& team) {
    Line(text, {u"TEAM ", kQuote, team.name, kQuote});
    Line(text, {u"{"});
    Line(text, {u"  SKIN ", kQuote, team.skin, kQuote});
    Line(text, {u"  WEAPONS ", kQuote, u"all", kQuote});
    Line(text, {u"  RESPAWN TIME 15 AWAY_FROM ", kQuote, team.other_base, kQuote, u" 4"});
    Line(text, {u"  GOALS"});
    Line(text, {u"  {"});
    Line(text, {u"  RETRIEVE ", kQuote, team.retrieves.name, kQuote, u" FROM ", kQuote,
                team.other_base, kQuote, u" TO ", kQuote, team.own_base, kQuote, u" WITH ", kQuote,
                team.guards.name, kQuote, u" TOUCH_RETURN"});
    Line(text, {u"  }"});
    Line(text, {u"}"});
}

}  // namespace

void WriteScenarioText(const FlagSet& flags, const ScenarioWriter& text,
                       const HeaderWriter& header) {
    const FlagLocation& blue = flags.locations[0];
    const FlagLocation& red = flags.locations[1];
    // Both corners first, so that a failure leaves no partial text behind.
    const Corner blue_corner = SecondCorner(blue);
    const Corner red_corner = SecondCorner(red);

    text(u"SCENARIO \"");
    header();
    Line(text, {u" (CTB)", kQuote});
    Line(text, {u"{"});
    Line(text, {u"CONTINUOUS"});
    Line(text, {u"TARGETS"});
    Line(text, {u"{"});
    // The two target areas are spaced differently, and each stays as it is.
    Line(text, {u"  TARGET_AREA ", kQuote, u"Blue Base", kQuote, u" ( ", blue.X, u" ", blue.Y, u" ",
                blue.Z, u" ) (", blue_corner.X, u" ", blue_corner.Y, blue_corner.Z, u" ) MODEL ",
                kQuote, kAreaModel, kQuote});
    Line(text, {u"  TARGET_AREA ", kQuote, u"Red Base", kQuote, u" ( ", red.X, u" ", red.Y, u" ",
                red.Z, u" ) ( ", red_corner.X, red_corner.Y, red_corner.Z, u" ) MODEL ", kQuote,
                kAreaModel, kQuote});
    TargetObject(text, kBlackPackage);
    TargetObject(text, kSilverPackage);
    Line(text, {u"}"});
    TeamBlock(text, {u"Team Red", u"male/chow", u"Blue Base", u"Red Base", kBlackPackage,
                     kSilverPackage});
    TeamBlock(text, {u"Team Blue", u"male/bluebeard", u"Red Base", u"Blue Base", kSilverPackage,
                     kBlackPackage});
    Line(text, {u"}"});
}

std::u16string BuildScenarioText(const FlagSet& flags) {
    std::u16string text;
    const ScenarioWriter append = [&text](std::u16string_view piece) { text += piece; };
    WriteScenarioText(flags, append, [&] { append(flags.header); });
    return text;
}

}  // namespace flg2scn
