#include "vb6/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "vb6/failure.h"

namespace flg2scn {

namespace {

constexpr int kSignificantDigits = 15;

// The value rounded to 15 significant digits: the digits without trailing zeros,
// and the decimal exponent of the first one.
struct Rounded {
    std::string digits;
    int exponent = 0;
};

Rounded RoundTo15Digits(double magnitude) {
    // "d.ddddddddddddddde+XX", correctly rounded.
    char buffer[64];
#if defined(__cpp_lib_to_chars)
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string text(buffer, result.ptr);
#else
    // The C++ library of emscripten has no to_chars for doubles; its C library
    // rounds correctly too. The decimal point, whatever the locale, is skipped.
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, magnitude);
    const std::string text(buffer);
#endif
    const std::size_t e = text.find('e');
    Rounded rounded;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            rounded.digits.push_back(text[i]);
        }
    }
    rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
    rounded.exponent = std::atoi(text.c_str() + e + 1);
    return rounded;
}

std::string ExponentForm(const Rounded& r) {
    std::string text(1, r.digits[0]);
    if (r.digits.size() > 1) {
        text += '.';
        text.append(r.digits, 1);
    }
    text += r.exponent < 0 ? "E-" : "E+";
    const int size = std::abs(r.exponent);
    if (size < 10) {
        text += '0';
    }
    text += std::to_string(size);
    return text;
}

std::string PlainForm(const Rounded& r) {
    if (r.exponent < 0) {
        return "." + std::string(static_cast<std::size_t>(-r.exponent - 1), '0') + r.digits;
    }
    const auto whole = static_cast<std::size_t>(r.exponent) + 1;
    if (r.digits.size() <= whole) {
        return r.digits + std::string(whole - r.digits.size(), '0');
    }
    return r.digits.substr(0, whole) + "." + r.digits.substr(whole);
}

}  // namespace

std::u16string NumberText(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeFailure("overflow");
    }
    std::string text = " ";
    if (value != 0) {
        if (std::signbit(value)) {
            text += '-';
        }
        const Rounded r = RoundTo15Digits(std::fabs(value));
        text +=
            (r.exponent >= kSignificantDigits || r.exponent < -4) ? ExponentForm(r) : PlainForm(r);
    } else {
        text += '0';
    }
    return {text.begin(), text.end()};
}

}  // namespace flg2scn
