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

struct TextCase {
    const char* what;
    std::u32string_view entered;
    FilteredText expected;
};

TEST(FilterCoordinateText, PassesDigitsOnlyAndRefusesAWholeTextForOneBadCharacter) {
    const TextCase cases[] = {
        {"nothing", U"", {U"", {}}},
        {"degrees", U"077", {U"077", {}}},
        {"decimal degrees", U"12.5", {U"", kNumbersOnly}},
        {"minus sign first", U"-77", {U"", kNumbersOnly}},
        {"blank after", U"28 ", {U"", kNumbersOnly}},
        {"line break after", U"28\n", {U"", kNumbersOnly}},
        {"backspace character", U"2\b8", {U"", kNumbersOnly}},
        {"degree sign", U"28\u00b0", {U"", kNumbersOnly}},
        {"fullwidth digit", U"\uff12", {U"", kNumbersOnly}},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(FilterCoordinateText(c.entered), c.expected) << c.what;
    }
}

TEST(FilterNameText, CapitalisesLettersKeepsBlanksAndRefusesAWholeTextForOneBadCharacter) {
    const TextCase cases[] = {
        {"nothing", U"", {U"", {}}},
        {"small letters", U"ram kumar", {U"RAM KUMAR", {}}},
        {"mixed case with blanks at the ends", U" Ram Kumar ", {U" RAM KUMAR ", {}}},
        {"every letter", U"azAZ", {U"AZAZ", {}}},
        {"digit, hyphen and full stop", U"ab1-c.x", {U"", kLettersOnly}},
        {"apostrophe", U"o'neil", {U"", kLettersOnly}},
        {"carriage return", U"RAM\r", {U"", kLettersOnly}},
        {"line break", U"RAM\nKUMAR", {U"", kLettersOnly}},
        {"tab", U"RAM\tKUMAR", {U"", kLettersOnly}},
        {"backspace character", U"RA\bM", {U"", kLettersOnly}},
        {"accented letter", U"Ren\u00e9e", {U"", kLettersOnly}},
        {"letter beyond the basic plane", U"A\U0001D400", {U"", kLettersOnly}},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(FilterNameText(c.entered), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace amsaview
