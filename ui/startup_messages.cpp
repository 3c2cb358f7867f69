#include "ui/startup_messages.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace flg2scn {

namespace {

QtMessageHandler previous_handler = nullptr;
std::vector<std::pair<QtMsgType, QString>> held;

void Hold(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type != QtFatalMsg) {
        held.emplace_back(type, message);
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    std::fprintf(stderr,
                 "flg2scn: no display to show the window on (%s); flg2scn-cli converts files "
                 "without one\n",
                 display.isEmpty() ? "DISPLAY is not set"
                                   : qPrintable(QStringLiteral("DISPLAY=%1 cannot be opened")
                                                    .arg(QString::fromLocal8Bit(display))));
    std::_Exit(1);
}

}  // namespace

StartupMessages::StartupMessages() {
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
