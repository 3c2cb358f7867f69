#include <QApplication>

#include "ui/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // A name, not a display name: Qt would append a display name to every title.
    QApplication::setApplicationName(QStringLiteral("flg2scn"));
    QApplication::setApplicationVersion(QStringLiteral(FLG2SCN_VERSION));

    flg2scn::Form1 window;
    window.show();
    return app.exec();
}
