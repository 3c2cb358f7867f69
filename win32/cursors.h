#pragma once

#include <windows.h>

namespace flg2scn {

// The cursor as it was before a modal box or dialog, back once it closes: the box
// shows its own, and a command that asks in the middle of busy work (a Load's
// file dialog) must look busy again for the rest of it.
class KeptCursor {
  public:
    KeptCursor() : kept_(::GetCursor()) {}
    ~KeptCursor() { ::SetCursor(kept_); }
    KeptCursor(const KeptCursor&) = delete;
    KeptCursor& operator=(const KeptCursor&) = delete;

  private:
    HCURSOR kept_;
};

// The busy cursor while it lives, the one before it back after. The thread
// handles no messages while it works, so nothing sets another cursor meanwhile.
class BusyCursor {
  public:
    BusyCursor() { ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT)); }

  private:
    KeptCursor before_;
};

}  // namespace flg2scn
