#pragma once

#include <QGuiApplication>

namespace flg2scn {

// The busy cursor over the whole application while it lives: work on a large
// text keeps the window from answering for a while.
class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The ordinary cursor while it lives, when a busy cursor shows: for a dialog that
// waits for the user in the middle of busy work.
class IdleCursor {
  public:
    IdleCursor() : busy_(QGuiApplication::overrideCursor() != nullptr) {
        if (busy_) {
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~IdleCursor() {
        if (busy_) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    IdleCursor(const IdleCursor&) = delete;
    IdleCursor& operator=(const IdleCursor&) = delete;

  private:
    const bool busy_;
};

}  // namespace flg2scn
