#include <gtest/gtest.h>

#include "pipeline/KeyFilters.h"

namespace amsaview {
namespace {

const ValidationFailure kNumbersOnly{"Only Numbers Are Accepted", MessageIcon::Critical,
                                     FormField::None};
const ValidationFailure kLettersOnly{"Please Enter only Letters", MessageIcon::Information,
                                     FormField::None};

struct KeyCase {
    const char* what;
    char32_t typed;
    FilteredKey expected;
};

TEST(FilterCoordinateKey, PassesDigitsAndBackspaceAndRefusesEverythingElse) {
    const KeyCase cases[] = {
        {"lowest digit", U'0', {U'0', {}}},
        {"highest digit", U'9', {U'9', {}}},
        {"backspace", 8, {8, {}}},
        {"minus sign", U'-', {0, kNumbersOnly}},
        {"decimal point", U'.', {0, kNumbersOnly}},
        {"blank", U' ', {0, kNumbersOnly}},
        {"just below the digits", U'/', {0, kNumbersOnly}},
        {"just above the digits", U':', {0, kNumbersOnly}},
        {"letter", U'E', {0, kNumbersOnly}},
        {"enter", 13, {0, kNumbersOnly}},
        {"arabic-indic digit", U'\u0663', {0, kNumbersOnly}},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(FilterCoordinateKey(c.typed), c.expected) << c.what;
    }
}

TEST(FilterNameKey, PassesCapitalsBlankEnterBackspaceAndCapitalisesSmallLetters) {
    const KeyCase cases[] = {
        {"first small letter", U'a', {U'A', {}}},
        {"small m", U'm', {U'M', {}}},
        {"last small letter", U'z', {U'Z', {}}},
        {"first capital", U'A', {U'A', {}}},
        {"last capital", U'Z', {U'Z', {}}},
        {"blank", U' ', {U' ', {}}},
        {"enter", 13, {13, {}}},
        {"backspace", 8, {8, {}}},
        {"digit", U'7', {0, kLettersOnly}},
        {"full stop", U'.', {0, kLettersOnly}},
        {"hyphen", U'-', {0, kLettersOnly}},
        {"apostrophe", U'\'', {0, kLettersOnly}},
        {"just before A", U'@', {0, kLettersOnly}},
        {"just after Z", U'[', {0, kLettersOnly}},
        {"just before a", U'`', {0, kLettersOnly}},
        {"just after z", U'{', {0, kLettersOnly}},
        {"accented letter", U'\u00e9', {0, kLettersOnly}},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(FilterNameKey(c.typed), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace amsaview
