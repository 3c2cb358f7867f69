#include "qt/qt_options.h"

#include <QCommandLineOption>
#include <QString>

namespace flg2scn {

namespace {

struct QtOption {
    const char* name;
    const char* value;  // the name of its value, or none
    const char* description;
};

// QGuiApplication's and QApplication's own options, as Qt 6 documents them.
constexpr QtOption kQtOptions[] = {
    {"platform", "name[:options]", "The platform plugin: xcb, wayland, offscreen and others."},
    {"platformpluginpath", "path", "A folder to load platform plugins from."},
    {"platformtheme", "theme", "The platform theme."},
    {"plugin", "plugin", "An input plugin to load, such as evdevtouch."},
    {"qwindowgeometry", "geometry", "The window's geometry, as WIDTHxHEIGHT+X+Y."},
    {"qwindowicon", "icon", "The window's icon."},
    {"qwindowtitle", "title", "The window's title."},
    {"reverse", nullptr, "Lays the window out from right to left."},
    {"session", "session", "The session to restore."},
    {"display", "hostname:screen", "The X display to show the window on (X11)."},
    {"geometry", "geometry", "The window's geometry (X11)."},
    {"style", "style", "The widget style, such as Fusion."},
    {"stylesheet", "file", "A style sheet to apply."},
    {"widgetcount", nullptr, "Tells at the end how many widgets were left undestroyed."},
};

}  // namespace

void AddQtOptions(QCommandLineParser& parser, bool listed) {
    // Qt's options have one dash, and a word after it.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QString::fromLatin1(qt.description),
                                  QString::fromLatin1(qt.value));
        if (!listed) {
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        }
        parser.addOption(option);
    }
}

}  // namespace flg2scn
