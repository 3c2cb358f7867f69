#pragma once

#include <QGuiApplication>

namespace flg2scn {

// The busy cursor over the whole application while it lives: work on a large
// text keeps the window from answering for a while.
class QtBusyCursor {
  public:
    QtBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~QtBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    QtBusyCursor(const QtBusyCursor&) = delete;
    QtBusyCursor& operator=(const QtBusyCursor&) = delete;
};

// The ordinary cursor while it lives, when a busy cursor shows: for a dialog that
// waits for the user in the middle of busy work.
class QtDialogCursor {
  public:
    QtDialogCursor() : busy_(QGuiApplication::overrideCursor() != nullptr) {
        if (busy_) {
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~QtDialogCursor() {
        if (busy_) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    QtDialogCursor(const QtDialogCursor&) = delete;
    QtDialogCursor& operator=(const QtDialogCursor&) = delete;

  private:
    const bool busy_;
};

}  // namespace flg2scn
