#include "qt/startup_messages.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace flg2scn {

namespace {

QtMessageHandler previous_handler = nullptr;
QString display_named;
std::vector<std::pair<QtMsgType, QString>> held;

void Hold(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type != QtFatalMsg) {
        held.emplace_back(type, message);
        return;
    }
    // The display that Qt tried: the one the command line names, else DISPLAY's.
    const QString environment = qEnvironmentVariable("DISPLAY");
    const QString tried = !display_named.isEmpty() ? QStringLiteral("-display ") + display_named
                          : !environment.isEmpty() ? QStringLiteral("DISPLAY=") + environment
                                                   : QString();
    std::fprintf(stderr,
                 "flg2scn: no display to show the window on (%s); flg2scn-cli converts files "
                 "without one\n",
                 tried.isEmpty() ? "DISPLAY is not set"
                                 : qPrintable(tried + QStringLiteral(" cannot be opened")));
    std::_Exit(1);
}

}  // namespace

StartupMessages::StartupMessages(const QString& display) {
    display_named = display;
    previous_handler = qInstallMessageHandler(Hold);
}

StartupMessages::~StartupMessages() {
    qInstallMessageHandler(previous_handler);
    for (const auto& [type, message] : held) {
        qt_message_output(type, QMessageLogContext(), message);
    }
    held.clear();
}

}  // namespace flg2scn
