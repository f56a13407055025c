#include "charts/SignPosition.h"

#include "input/LookupLists.h"
#include "input/TextUtil.h"

namespace amsaview {
namespace {

// Up to count characters from position on; none past the end of the text.
std::string_view Slice(std::string_view text, std::size_t position, std::size_t count) {
    return position < text.size() ? text.substr(position, count) : std::string_view{};
}

int NumberAt(std::string_view positionText, std::size_t position) {
    return ParseWholeNumber(Slice(positionText, position, 2)).value_or(0);
}

}  // namespace

std::optional<std::int16_t> FindSign(std::string_view abbreviation) {
    // Only the twelve signs: the empty slot after Pisces must not match an empty text.
    for (std::int16_t sign = 0; sign < kSignCount; ++sign) {
        if (SignAbbreviations[static_cast<std::size_t>(sign)] == abbreviation) {
            return sign;
        }
    }
    return std::nullopt;
}

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
