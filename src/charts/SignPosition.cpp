#include "charts/SignPosition.h"

#include "model/LookupLists.h"

namespace amsaview {
namespace {

// Up to count characters from position on; none past the end of the text.
std::string_view Slice(std::string_view text, std::size_t position, std::size_t count) {
    return position < text.size() ? text.substr(position, count) : std::string_view{};
}

// The number spelt by the leading digits of a two-character field; 0 when
// there are none.
int NumberAt(std::string_view positionText, std::size_t position) {
    int value = 0;
    for (const char c : Slice(positionText, position, 2)) {
        if (c < '0' || c > '9') {
            break;
        }
        value = 10 * value + (c - '0');
    }
    return value;
}

}  // namespace

std::int16_t SignIndexOf(std::string_view abbreviation) {
    return FindSign(abbreviation).value_or(std::int16_t{0});
}

std::string_view SignAbbreviationIn(std::string_view positionText) {
    return Slice(positionText, 3, 3);
}

SignPosition ReadSignPosition(std::string_view positionText) {
    return {SignIndexOf(SignAbbreviationIn(positionText)),
            60 * NumberAt(positionText, 0) + NumberAt(positionText, 7)};
}

}  // namespace amsaview
