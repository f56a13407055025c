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

// Capitals from UnicodeData.txt's simple upper-case mappings.
TEST(FilterNameKey, PassesTheCharactersOfNamesAndCapitalisesLettersThatHaveCapitals) {
    const KeyCase cases[] = {
        {"first small letter", U'a', {U'A', {}}},
        {"last small letter", U'z', {U'Z', {}}},
        {"first capital", U'A', {U'A', {}}},
        {"last capital", U'Z', {U'Z', {}}},
        {"e acute", U'\u00e9', {U'\u00c9', {}}},
        {"capital E acute", U'\u00c9', {U'\u00c9', {}}},
        {"greek sigma", U'\u03c3', {U'\u03a3', {}}},
        {"greek final sigma", U'\u03c2', {U'\u03a3', {}}},
        {"cyrillic zhe", U'\u0436', {U'\u0416', {}}},
        {"dotless i", U'\u0131', {U'I', {}}},
        {"titlecase dz", U'\u01c5', {U'\u01c4', {}}},
        {"sharp s has no one-letter capital", U'\u00df', {U'\u00df', {}}},
        {"devanagari ka has no capital", U'\u0915', {U'\u0915', {}}},
        {"combining acute", U'\u0301', {U'\u0301', {}}},
        {"devanagari vowel sign i", U'\u093f', {U'\u093f', {}}},
        {"blank", U' ', {U' ', {}}},
        {"apostrophe", U'\'', {U'\'', {}}},
        {"right single quotation mark", U'\u2019', {U'\u2019', {}}},
        {"hyphen", U'-', {U'-', {}}},
        {"full stop", U'.', {U'.', {}}},
        {"enter", 13, {13, {}}},
        {"backspace", 8, {8, {}}},
        {"digit", U'7', {0, kLettersOnly}},
        {"arabic-indic digit", U'\u0663', {0, kLettersOnly}},
        {"comma", U',', {0, kLettersOnly}},
        {"at sign", U'@', {0, kLettersOnly}},
        {"left single quotation mark", U'\u2018', {0, kLettersOnly}},
        {"tab", U'\t', {0, kLettersOnly}},
        {"no-break space", U'\u00a0', {0, kLettersOnly}},
        {"emoji", U'\U0001F600', {0, kLettersOnly}},
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

TEST(FilterNameText, CapitalisesNamesOfAnyScriptAndRefusesAWholeTextForOneBadCharacter) {
    const TextCase cases[] = {
        {"nothing", U"", {U"", {}}},
        {"small letters", U"ram kumar", {U"RAM KUMAR", {}}},
        {"mixed case with blanks at the ends", U" Ram Kumar ", {U" RAM KUMAR ", {}}},
        {"accented letters", U"Ren\u00e9e", {U"REN\u00c9E", {}}},
        {"apostrophe and hyphen", U"o'brien-smith", {U"O'BRIEN-SMITH", {}}},
        {"typographic apostrophe", U"d\u2019souza", {U"D\u2019SOUZA", {}}},
        {"full stop", U"ng.", {U"NG.", {}}},
        {"e and a combining acute", U"jose\u0301", {U"JOSE\u0301", {}}},
        {"two marks on one letter", U"a\u0301\u0323", {U"A\u0301\u0323", {}}},
        {"devanagari with vowel signs", U"\u0930\u093e\u092e", {U"\u0930\u093e\u092e", {}}},
        {"letter beyond the basic plane", U"A\U0001D400", {U"A\U0001D400", {}}},
        {"digit", U"ab1c", {U"", kLettersOnly}},
        {"mark at the start", U"\u0301a", {U"", kLettersOnly}},
        {"mark after a blank", U"a \u0301", {U"", kLettersOnly}},
        {"mark after a hyphen", U"a-\u0301", {U"", kLettersOnly}},
        {"carriage return", U"RAM\r", {U"", kLettersOnly}},
        {"line break", U"RAM\nKUMAR", {U"", kLettersOnly}},
        {"tab", U"RAM\tKUMAR", {U"", kLettersOnly}},
        {"backspace character", U"RA\bM", {U"", kLettersOnly}},
        {"comma", U"KUMAR, RAM", {U"", kLettersOnly}},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(FilterNameText(c.entered), c.expected) << c.what;
    }
}

TEST(FilterNameUtf8, AppliesTheBoxsRuleToUtf8AndRefusesBytesThatAreNotUtf8) {
    struct Utf8Case {
        const char* what;
        std::string_view entered;
        FilteredName expected;
    };
    const Utf8Case cases[] = {
        {"nothing", "", {"", {}}},
        {"two-byte letters", "jos\xC3\xA9 o'brien-smith", {"JOS\xC3\x89 O'BRIEN-SMITH", {}}},
        {"three-byte apostrophe", "d\xE2\x80\x99souza", {"D\xE2\x80\x99SOUZA", {}}},
        {"combining acute", "jose\xCC\x81", {"JOSE\xCC\x81", {}}},
        {"devanagari",
         "\xE0\xA4\xB0\xE0\xA4\xBE\xE0\xA4\xAE",
         {"\xE0\xA4\xB0\xE0\xA4\xBE\xE0\xA4\xAE", {}}},
        {"four-byte letter", "\xF0\x9D\x90\x80", {"\xF0\x9D\x90\x80", {}}},
        {"capital of a different length", "\xC9\x90", {"\xE2\xB1\xAF", {}}},
        {"digit", "R2D2", {"", kLettersOnly}},
        {"cut off two-byte letter", "JOS\xC3", {"", kLettersOnly}},
        {"latin-1 byte", "JOS\xE9", {"", kLettersOnly}},
        {"overlong full stop", "\xC0\xAE", {"", kLettersOnly}},
        {"encoded surrogate", "\xED\xA0\x80", {"", kLettersOnly}},
    };
    for (const Utf8Case& c : cases) {
        EXPECT_EQ(FilterNameUtf8(c.entered), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace amsaview
