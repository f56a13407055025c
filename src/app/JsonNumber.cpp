#include "app/JsonNumber.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

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

void AppendJsonNumber(double value, std::string& out) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    if (value == 0.0) {
        out += '0';  // negative zero too
        return;
    }
    // Shortest round-trip digits in exponent form: "-d.ddde+XX".
    std::array<char, 32> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific);
    std::string_view scientific(text.data(), static_cast<std::size_t>(written.ptr - text.data()));
    if (scientific.front() == '-') {
        out += '-';
        scientific.remove_prefix(1);
    }
    const std::size_t e = scientific.find('e');
    std::string_view mantissa = scientific.substr(0, e);
    std::array<char, 20> digitBuffer{};
    std::size_t digitLength = 0;
    for (const char c : mantissa) {
        if (c != '.') {
            digitBuffer[digitLength++] = c;
        }
    }
    const std::string_view digits(digitBuffer.data(), digitLength);
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    const int digitCount = static_cast<int>(digits.size());
    const int pointAt = exponent + 1;  // the value is 0.DIGITS × 10^pointAt

    if (!UseDecimalForm(pointAt, digitCount)) {
        out += digits.front();
        if (digitCount > 1) {
            out += '.';
            out.append(digits.substr(1));
        }
        out += exponent < 0 ? "e-" : "e+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            out += '0';
        }
        out += std::to_string(magnitude);
    } else if (pointAt <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-pointAt), '0');
        out += digits;
    } else if (pointAt < digitCount) {
        out.append(digits.substr(0, static_cast<std::size_t>(pointAt)));
        out += '.';
        out.append(digits.substr(static_cast<std::size_t>(pointAt)));
    } else {
        out += digits;
        out.append(static_cast<std::size_t>(pointAt - digitCount), '0');
    }
}

}  // namespace amsaview
