#include "qt/text_area/symbol_names.h"

#include "qt/text_area/widget_text.h"

namespace flg2scn {

QString SymbolName(const QFontMetricsF& metrics, const QString& text, qsizetype i, int& length,
                   bool own) {
    length = 1;
    const QChar c = text[i];
    if (const std::optional<char16_t> control = ControlOf(c.unicode()); control && !own) {
        return QString::fromStdString(ControlName(*control));
    }
    char32_t code = c.unicode();
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        code = QChar::surrogateToUcs4(c, text[i + 1]);
        length = 2;
    }
    if (code == WidgetText::kLineSeparator || metrics.inFontUcs4(code)) {
        return {};
    }
    return QStringLiteral("%1").arg(static_cast<uint>(code), 2, 16, QChar(u'0')).toUpper();
}

}  // namespace flg2scn
