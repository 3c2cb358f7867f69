#include "ui/text_area/selection_mime_data.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextDocument>

#include "ui/text_area/text_blocks.h"

namespace flg2scn {

namespace {

const QString kPlainText = QStringLiteral("text/plain");

// A selection up to this length is kept over a change, as a copied text is.
constexpr int kKeptSelectionLength = 1 << 16;

}  // namespace

SelectionMimeData::SelectionMimeData(const QTextDocument* document, int start, int end)
    : document_(document), start_(start), end_(end) {
    connect(document, &QTextDocument::contentsChange, this, [this] {
        if (!made_) {
            document_ = nullptr;
        }
    });
}

QStringList SelectionMimeData::formats() const {
    return {kPlainText};
}

void SelectionMimeData::make() const {
    if (!made_ && document_ != nullptr) {
        text_ = CopiedText(*document_, start_, end_);
    }
    made_ = true;
}

QVariant SelectionMimeData::retrieveData(const QString& mime_type, QMetaType type) const {
    if (mime_type != kPlainText) {
        return QMimeData::retrieveData(mime_type, type);
    }
    make();
    return text_;
}

void MakeOfferedTextNow(const QMimeData* data) {
    if (const auto* offer = qobject_cast<const SelectionMimeData*>(data); offer != nullptr) {
        offer->make();
    }
}

void MakeOfferedTextNow(const QTextDocument* document) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const auto mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        const auto* offer = qobject_cast<const SelectionMimeData*>(clipboard->mimeData(mode));
        if (offer != nullptr && offer->isOf(document) &&
            (mode == QClipboard::Clipboard || offer->length() <= kKeptSelectionLength)) {
            offer->make();
        }
    }
}

}  // namespace flg2scn
