#pragma once

#include <stdexcept>
#include <string>

namespace flg2scn {

// A run-time error of the kind Visual Basic 6 raises: an overflow, a negative
// length, a subscript out of range, a number too large. Commands catch it
// and report it in their own words.
class RuntimeFailure : public std::runtime_error {
  public:
    explicit RuntimeFailure(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace flg2scn
