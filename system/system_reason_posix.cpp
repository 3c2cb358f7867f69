#include <system_error>

#include "system/file_error.h"

namespace flg2scn {

// The C library's words (strerror).
std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

}  // namespace flg2scn
