#pragma once

#include <QCommandLineParser>

namespace flg2scn {

// The options that QApplication takes itself (-display, -platform, -style and
// the rest), made known to the parser so that they pass it, single dash or
// double, and are left in argv for QApplication. Listed by --help-all only.
void AddQtOptions(QCommandLineParser& parser, bool listed);

}  // namespace flg2scn
