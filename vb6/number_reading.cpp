#include "vb6/number_reading.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

#include "vb6/failure.h"

namespace flg2scn {

namespace {

// Walks the text character by character, skipping the characters that number
// reading ignores wherever they stand.
class Cursor {
  public:
    explicit Cursor(std::u16string_view text) : text_(text) { Skip(); }

    char16_t Peek() const { return pos_ < text_.size() ? text_[pos_] : u'\0'; }
    void Next() {
        ++pos_;
        Skip();
    }

  private:
    void Skip() {
        while (pos_ < text_.size() &&
               (text_[pos_] == u' ' || text_[pos_] == u'\t' || text_[pos_] == u'\n')) {
            ++pos_;
        }
    }

    std::u16string_view text_;
    std::size_t pos_ = 0;
};

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int DigitValue(char16_t c, int radix) {
    int value = -1;
    if (IsDigit(c)) {
        value = c - u'0';
    } else if (c >= u'a' && c <= u'f') {
        value = c - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
        value = c - u'A' + 10;
    }
    return value < radix ? value : -1;
}

double CheckedFinite(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeFailure("overflow");
    }
    return value;
}

// "&H1F", "&O17": the unsigned value of the digits.
double ReadRadix(Cursor& cursor, int radix) {
    double value = 0;
    for (int digit; (digit = DigitValue(cursor.Peek(), radix)) >= 0; cursor.Next()) {
        value = CheckedFinite(value * radix + digit);
    }
    return value;
}

// Saturates far beyond any exponent that a double can reach.
constexpr long long kExponentLimit = 1'000'000'000;

double ReadDecimal(Cursor& cursor) {
    bool negative = false;
    if (cursor.Peek() == u'+' || cursor.Peek() == u'-') {
        negative = cursor.Peek() == u'-';
        cursor.Next();
    }
    // Significant digits without leading zeros; value = digits * 10^scale.
    std::string digits;
    long long scale = 0;
    bool seen_point = false;
    for (;; cursor.Next()) {
        const char16_t c = cursor.Peek();
        if (IsDigit(c)) {
            if (!digits.empty() || c != u'0') {
                digits.push_back(static_cast<char>(c));
            }
            if (seen_point) {
                --scale;
            }
        } else if (c == u'.' && !seen_point) {
            seen_point = true;
        } else {
            break;
        }
    }
    const char16_t letter = cursor.Peek();
    if (letter == u'E' || letter == u'e' || letter == u'D' || letter == u'd') {
        // The exponent counts only when a digit follows the letter and its sign;
        // reading stops here either way, so consuming the letter is harmless.
        cursor.Next();
        bool exponent_negative = false;
        if (cursor.Peek() == u'+' || cursor.Peek() == u'-') {
            exponent_negative = cursor.Peek() == u'-';
            cursor.Next();
        }
        long long exponent = 0;
        for (; IsDigit(cursor.Peek()); cursor.Next()) {
            exponent = std::min(exponent * 10 + (cursor.Peek() - u'0'), kExponentLimit);
        }
        scale += exponent_negative ? -exponent : exponent;
    }
    if (digits.empty()) {
        return negative ? -0.0 : 0.0;
    }
    // Decimal exponent of the leading digit decides overflow and underflow before
    // the digits are handed to the parser.
    const long long magnitude = static_cast<long long>(digits.size()) - 1 + scale;
    double value = 0;
    if (magnitude > 400) {
        throw RuntimeFailure("overflow");
    }
    if (magnitude >= -400) {
        digits += 'e';
        digits += std::to_string(scale);
#if defined(__cpp_lib_to_chars)
        const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        const bool out_of_range = result.ec == std::errc::result_out_of_range;
#else
        // The C++ library of emscripten has no from_chars for doubles. strtod
        // reads the same digits alike: there is no decimal point to localize.
        errno = 0;
        value = std::strtod(digits.c_str(), nullptr);
        const bool out_of_range = errno == ERANGE;
#endif
        // Too small a value is left as it came (0 from from_chars).
        if (out_of_range && magnitude > 0) {
            throw RuntimeFailure("overflow");
        }
    }
    return negative ? -value : value;
}

}  // namespace

double ReadNumber(std::u16string_view text) {
    Cursor cursor(text);
    if (cursor.Peek() == u'&') {
        cursor.Next();
        const char16_t prefix = cursor.Peek();
        if (prefix == u'H' || prefix == u'h') {
            cursor.Next();
            return ReadRadix(cursor, 16);
        }
        if (prefix == u'O' || prefix == u'o') {
            cursor.Next();
            return ReadRadix(cursor, 8);
        }
        return 0;
    }
    return ReadDecimal(cursor);
}

}  // namespace flg2scn
