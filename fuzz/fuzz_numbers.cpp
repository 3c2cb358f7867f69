// Number reading and formatting: reading never fails but by RuntimeFailure, a
// number text always begins with a blank, and a number of at most 15
// significant digits reads back from its text unchanged.

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_input.h"
#include "vb6/failure.h"
#include "vb6/number_reading.h"
#include "vb6/number_text.h"

using flg2scn::fuzz::Require;

namespace {

bool HasAtMost15Digits(double value) {
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr;
    double back = 0;
    std::from_chars(text, end, back);
    return back == value;
}

void CheckRoundTrip(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    const std::u16string text = flg2scn::NumberText(value);
    Require(text.starts_with(u' ') && text.size() > 1);
    if (HasAtMost15Digits(value)) {
        Require(flg2scn::ReadNumber(text) == value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        CheckRoundTrip(flg2scn::ReadNumber(flg2scn::fuzz::TextFromBytes(data, size)));
    } catch (const flg2scn::RuntimeFailure&) {
    }
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        CheckRoundTrip(value);
    }
    return 0;
}
