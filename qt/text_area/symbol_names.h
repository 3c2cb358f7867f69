#pragma once

#include <QFontMetricsF>
#include <QString>

namespace flg2scn {

// The name that the character at `i` of `text` is drawn with, or an empty text
// when the font draws it: a control's symbol by the control's name (ControlName:
// "CR", "LF", "00" for a NUL) unless the symbol is the text's `own` character,
// else the character's code in hex where no font has a glyph for it (unassigned
// characters, a surrogate without its other half). `length` is set to the
// character's length in code units.
QString SymbolName(const QFontMetricsF& metrics, const QString& text, qsizetype i, int& length,
                   bool own = false);

}  // namespace flg2scn
