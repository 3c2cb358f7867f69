#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace flg2scn::test {

// Hands the first modal dialog of type Dialog to `handle` from a timer, since a
// modal dialog blocks the test's own code. A modal dialog still open after five
// seconds is closed, so that a test fails instead of hanging.
template <typename Dialog>
class ModalWatcher {
  public:
    explicit ModalWatcher(std::function<void(Dialog*)> handle) : handle_(std::move(handle)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<Dialog*>(modal); dialog != nullptr && !handled_) {
                handled_ = true;
                handle_(dialog);
            } else if (modal != nullptr && ++polls_ > 250) {
                modal->close();
            }
        });
        timer_.start(20);
    }
    bool handled() const { return handled_; }

  private:
    std::function<void(Dialog*)> handle_;
    bool handled_ = false;
    int polls_ = 0;
    QTimer timer_;
};

}  // namespace flg2scn::test
