#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "qt/main_window.h"
#include "qt/qt_options.h"
#include "qt/qt_text.h"
#include "qt/startup_messages.h"
#include "version.h"

namespace {

constexpr int kUsageError = 2;

int UsageError(const QString& problem) {
    std::fprintf(stderr, "flg2scn: %s\nTry 'flg2scn --help' for more information.\n",
                 qUtf8Printable(problem));
    return kUsageError;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line is read before the application exists, so that --help and
    // --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Converts flag files (.flg) into scenario files (.scn) in a window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a flag file to load"),
                                 QStringLiteral("[FILE]"));
    flg2scn::AddQtOptions(parser, arguments.contains(QStringLiteral("--help-all")));
    if (!parser.parse(arguments)) {
        return UsageError(parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object Qt cannot know the program's name.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("flg2scn"));
        std::fputs(qUtf8Printable(text), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("flg2scn %s\n", FLG2SCN_VERSION);
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return UsageError(QStringLiteral("give at most one FILE"));
    }
    const std::filesystem::path file = files.isEmpty()
                                           ? std::filesystem::path()
                                           : flg2scn::ArgumentPath(argc, argv, files.first());

    std::optional<flg2scn::StartupMessages> starting(std::in_place,
                                                     parser.value(QStringLiteral("display")));
    QApplication app(argc, argv);
    starting.reset();
    // A name, not a display name: Qt would append a display name to every title.
    QApplication::setApplicationName(QStringLiteral("flg2scn"));
    QApplication::setApplicationVersion(QStringLiteral(FLG2SCN_VERSION));
    // The launcher's entry and icon, so that a desktop ties the window to them.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.flg2scn.flg2scn"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.flg2scn.flg2scn.svg")));

    flg2scn::MainWindow window;
    window.show();
    // A file handed over by the desktop (opening a .flg file) loads as if dropped.
    if (!file.empty()) {
        window.openFileWhenShown(file);
    }
    return app.exec();
}
