#pragma once

#include <windows.h>

namespace flg2scn {

// The cursor as it was before a modal box or dialog, back once it closes: the box
// shows its own, and a command that asks in the middle of busy work (a Load's
// file dialog) must look busy again for the rest of it.
class Win32DialogCursor {
  public:
    Win32DialogCursor() : kept_(::GetCursor()) {}
    ~Win32DialogCursor() { ::SetCursor(kept_); }
    Win32DialogCursor(const Win32DialogCursor&) = delete;
    Win32DialogCursor& operator=(const Win32DialogCursor&) = delete;

  private:
    HCURSOR kept_;
};

// The busy cursor while it lives, the one before it back after. The thread
// handles no messages while it works, so nothing sets another cursor meanwhile.
class Win32BusyCursor {
  public:
    Win32BusyCursor() { ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT)); }

  private:
    Win32DialogCursor before_;
};

}  // namespace flg2scn
