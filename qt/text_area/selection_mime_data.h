#pragma once

#include <QMimeData>
#include <QPointer>
#include <QString>

class QTextDocument;

namespace flg2scn {

// The text of a selection, offered to the clipboard as plain text and made only
// when someone asks for it: on X11 every change of the selection offers it, so
// Ctrl+A alone would otherwise copy the whole text at once. The text is the one
// selected when it was offered: MakeOfferedTextNow makes it before the document
// changes, and an offer not made by then gives an empty text rather than a
// wrong one. A copied text is made while the event loop is idle, a part at a
// time, so that the first change after copying a long text takes no longer
// than any other.
class SelectionMimeData : public QMimeData {
    Q_OBJECT

  public:
    SelectionMimeData(const QTextDocument* document, int start, int end);

    bool isOf(const QTextDocument* document) const { return document_ == document; }
    int length() const { return end_ - start_; }
    bool made() const { return made_; }

    QStringList formats() const override;

    // Makes the text now, while the document still holds it.
    void make() const;

    // Makes the text a part at a time from zero-delay timers, keys and paints
    // going between the parts.
    void makeWhenIdle() const;

  protected:
    QVariant retrieveData(const QString& mime_type, QMetaType type) const override;

  private:
    // Makes the text up to `count` more characters.
    void makePart(int count) const;

    // Null once the document changed before the text was made.
    QPointer<const QTextDocument> document_;
    const int start_;
    const int end_;
    // The text of the selection up to `made_up_to_`.
    mutable QString text_;
    mutable int made_up_to_;
    mutable bool made_ = false;
};

// Makes the text of `data` now if it is an offer still to be made.
void MakeOfferedTextNow(const QMimeData* data);

// Makes the texts that the clipboard holds of `document` before it changes: the
// copied text whatever its length, the selection's when it is short. A long
// selection that the change takes away is no longer the selection.
void MakeOfferedTextNow(const QTextDocument* document);

}  // namespace flg2scn
