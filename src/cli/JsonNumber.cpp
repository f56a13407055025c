#include "cli/JsonNumber.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace amsaview {
namespace {

bool UseDecimalForm(int pointAt, int digitCount) {
    // What the exponent form adds over the decimal one: "e", its sign and two
    // digits, less a point the decimal form needs and the exponent form not.
    int bias = 4;
    if (digitCount <= pointAt && digitCount > 1) {
        ++bias;
    } else if (digitCount == 1 && pointAt <= 0) {
        --bias;
    }
    // Decimal form pads with zeros: on the left when the point comes before
    // the digits, on the right when it comes after them.
    return pointAt <= 0 ? 1 - pointAt <= bias : pointAt <= digitCount + bias;
}

}  // namespace

char* WriteJsonNumber(double value, char* out) {
    if (!std::isfinite(value)) {
        return std::copy_n("null", 4, out);
    }
    if (value == 0.0) {
        *out++ = '0';  // negative zero too
        return out;
    }
    // Shortest round-trip digits in exponent form: "-d.ddde+XX".
    std::array<char, kJsonNumberRoom> text{};
    const char* const end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific)
            .ptr;
    const char* at = text.data();
    if (*at == '-') {
        *out++ = '-';
        ++at;
    }
    std::array<char, 20> digits{};
    int digitCount = 0;
    digits[static_cast<std::size_t>(digitCount++)] = *at++;
    if (*at == '.') {
        for (++at; *at != 'e'; ++at) {
            digits[static_cast<std::size_t>(digitCount++)] = *at;
        }
    }
    const bool negativeExponent = at[1] == '-';
    int magnitude = 0;
    for (at += 2; at != end; ++at) {
        magnitude = magnitude * 10 + (*at - '0');
    }
    const int exponent = negativeExponent ? -magnitude : magnitude;
    const int pointAt = exponent + 1;  // the value is 0.DIGITS × 10^pointAt
    const char* const first = digits.data();
    const char* const last = first + digitCount;

    if (!UseDecimalForm(pointAt, digitCount)) {
        *out++ = digits[0];
        if (digitCount > 1) {
            *out++ = '.';
            out = std::copy(first + 1, last, out);
        }
        *out++ = 'e';
        *out++ = negativeExponent ? '-' : '+';
        if (magnitude < 10) {
            *out++ = '0';
        }
        return std::to_chars(out, out + 4, magnitude).ptr;
    }
    if (pointAt <= 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -pointAt, '0');
        return std::copy(first, last, out);
    }
    if (pointAt < digitCount) {
        out = std::copy(first, first + pointAt, out);
        *out++ = '.';
        return std::copy(first + pointAt, last, out);
    }
    out = std::copy(first, last, out);
    return std::fill_n(out, pointAt - digitCount, '0');
}

}  // namespace amsaview
