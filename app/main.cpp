#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // A name, not a display name: Qt would append a display name to every title.
    QApplication::setApplicationName(QStringLiteral("flg2scn"));
    QApplication::setApplicationVersion(QStringLiteral(FLG2SCN_VERSION));

    flg2scn::MainWindow window;
    window.show();
    // A file handed over by the desktop (opening a .flg file) loads as if dropped.
    if (const QStringList files = QApplication::arguments().mid(1); files.size() == 1) {
        window.openFile(QFileInfo(files.first()).absoluteFilePath());
    }
    return app.exec();
}
