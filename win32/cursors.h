#pragma once

#include <windows.h>

namespace flg2scn {

// The busy cursor while it lives. The thread handles no messages while it works,
// so nothing sets another cursor until the work ends.
class BusyCursor {
  public:
    BusyCursor() : before_(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
    ~BusyCursor() { ::SetCursor(before_); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    HCURSOR before_;
};

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

}  // namespace flg2scn
