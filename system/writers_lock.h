#pragma once

#include <functional>
#include <string>

#include "system/file_handle.h"

namespace flg2scn {

// How a writer on POSIX tells new contents at a hidden name that a live writer
// holds from those that a writer cut off (by SIGKILL, a power cut) left behind:
// every writer holds a lock on its new contents from their making until they
// have taken the target's name. A file at a hidden name whose lock can be taken
// is a leftover, and the next writer of that name removes it. (On Windows a live
// writer holds its file open without sharing, which does the same.)

// Takes the lock on `file`; false where another holds it already: one that took
// the file for a leftover and is removing it. On a file system without locks,
// true: only the removal of leftovers is lost there.
bool HoldWritersLock(NativeFile file);

// Runs `claim` on the hidden name `name` (it gives 0 or the errno), and once more
// after removing a leftover that kept it from the name. EEXIST: a live writer
// holds the name.
int ClaimHiddenName(const std::string& name, const std::function<int(const std::string&)>& claim);

// Creates a file at the hidden name `name` and holds its lock, as ClaimHiddenName
// claims a name: 0 with the file in `file`, or the errno.
int CreateHiddenFile(const std::string& name, NativeFile& file);

}  // namespace flg2scn
