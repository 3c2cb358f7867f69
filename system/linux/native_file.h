#pragma once

namespace flg2scn {

// An open file as Linux holds it: a descriptor.
using NativeFile = int;

}  // namespace flg2scn
