#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace flg2scn::test {

// Hands the first modal dialog of type Dialog to `handle` once it appears, from
// a timer, since a modal dialog blocks the test's own code. A modal dialog that
// is still open after `limit_ms` (none expected, or one left open) is closed, so
// that a test fails instead of hanging.
template <typename Dialog>
class ModalWatcher {
  public:
    explicit ModalWatcher(std::function<void(Dialog*)> handle, int limit_ms = 5000)
        : handle_(std::move(handle)), limit_ms_(limit_ms) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(kIntervalMs);
    }

    bool handled() const { return handled_; }

  private:
    static constexpr int kIntervalMs = 20;

    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!handled_) {
            if (auto* dialog = qobject_cast<Dialog*>(modal)) {
                handled_ = true;
                waited_ms_ = 0;
                handle_(dialog);
                return;
            }
        }
        waited_ms_ = modal != nullptr || !handled_ ? waited_ms_ + kIntervalMs : 0;
        if (waited_ms_ > limit_ms_ && modal != nullptr) {
            modal->close();
            waited_ms_ = 0;
        }
    }

    std::function<void(Dialog*)> handle_;
    int limit_ms_;
    int waited_ms_ = 0;
    bool handled_ = false;
    QTimer timer_;
};

}  // namespace flg2scn::test
