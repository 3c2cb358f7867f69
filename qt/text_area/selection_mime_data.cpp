#include "qt/text_area/selection_mime_data.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>

#include "qt/text_area/text_blocks.h"

namespace flg2scn {

namespace {

const QString kPlainText = QStringLiteral("text/plain");

// A selection up to this length is kept over a change, as a copied text is.
constexpr int kKeptSelectionLength = 1 << 16;

// The characters made from one timer: a few milliseconds' work.
constexpr int kIdlePartLength = 1 << 20;

}  // namespace

SelectionMimeData::SelectionMimeData(const QTextDocument* document, int start, int end)
    : document_(document), start_(start), end_(end), made_up_to_(start) {
    connect(document, &QTextDocument::contentsChange, this, [this] {
        if (!made_) {
            document_ = nullptr;
            text_.clear();
        }
    });
}

QStringList SelectionMimeData::formats() const {
    return {kPlainText};
}

void SelectionMimeData::make() const {
    makePart(end_ - made_up_to_);
    made_ = true;
}

void SelectionMimeData::makeWhenIdle() const {
    QTimer::singleShot(0, this, [this] {
        makePart(kIdlePartLength);
        if (!made_ && document_ != nullptr) {
            makeWhenIdle();
        }
    });
}

void SelectionMimeData::makePart(int count) const {
    if (made_ || document_ == nullptr) {
        return;
    }
    if (made_up_to_ == start_) {
        text_.reserve(end_ - start_);
    }
    const int up_to = made_up_to_ + std::min(count, end_ - made_up_to_);
    AppendCopiedText(text_, *document_, made_up_to_, up_to);
    made_up_to_ = up_to;
    made_ = up_to == end_;
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
