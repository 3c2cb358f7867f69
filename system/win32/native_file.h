#pragma once

namespace flg2scn {

// An open file, pipe or console as Windows holds it: a HANDLE.
using NativeFile = void*;

}  // namespace flg2scn
