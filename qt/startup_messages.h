#pragma once

#include <QString>

namespace flg2scn {

// Qt's messages while the application object is made. Without a usable display
// Qt ends the program there with abort() and a long text about reinstalling;
// while this lives, that becomes one line on standard error and exit status 1.
// Qt's other messages from that time are held back and passed on once it ends.
// `display` is the display that the command line names, if any.
class StartupMessages {
  public:
    explicit StartupMessages(const QString& display = {});
    ~StartupMessages();
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;
};

}  // namespace flg2scn
