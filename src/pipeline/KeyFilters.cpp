#include "pipeline/KeyFilters.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace amsaview {
namespace {

constexpr char32_t kRightSingleQuotationMark = U'\u2019';

bool IsDigit(char32_t key) {
    return key >= U'0' && key <= U'9';
}

bool InCategories(char32_t character, std::uint32_t categoryMask) {
    return (U_GET_GC_MASK(static_cast<UChar32>(character)) & categoryMask) != 0;
}

bool IsLetter(char32_t character) {
    return InCategories(character, U_GC_L_MASK);
}

// Accents typed or pasted as their own characters (e + U+0301).
bool IsCombiningMark(char32_t character) {
    return InCategories(character, U_GC_M_MASK);
}

bool IsNamePunctuation(char32_t character) {
    return character == U' ' || character == U'\'' || character == kRightSingleQuotationMark ||
           character == U'-' || character == U'.';
}

// The simple mapping keeps one character for one, so the box's cursor stays
// put; a letter without a capital maps to itself.
char32_t Capital(char32_t letter) {
    return static_cast<char32_t>(u_toupper(static_cast<UChar32>(letter)));
}

ValidationFailure NumbersOnly() {
    return {"Only Numbers Are Accepted", MessageIcon::Critical, FormField::None};
}

ValidationFailure LettersOnly() {
    return {"Please Enter only Letters", MessageIcon::Information, FormField::None};
}

}  // namespace

FilteredKey FilterCoordinateKey(char32_t key) {
    if (IsDigit(key) || key == kBackspaceKey) {
        return {key, std::nullopt};
    }
    return {0, NumbersOnly()};
}

// A key alone cannot tell whether a mark follows a letter: the box's text
// filter judges that once the mark is in.
FilteredKey FilterNameKey(char32_t key) {
    if (IsLetter(key)) {
        return {Capital(key), std::nullopt};
    }
    if (IsCombiningMark(key) || IsNamePunctuation(key) || key == kEnterKey ||
        key == kBackspaceKey) {
        return {key, std::nullopt};
    }
    return {0, LettersOnly()};
}

FilteredText FilterCoordinateText(std::u32string_view text) {
    for (const char32_t character : text) {
        if (!IsDigit(character)) {
            return {{}, NumbersOnly()};
        }
    }
    return {std::u32string(text), std::nullopt};
}

// Enter and Backspace are keys, not characters a name holds. A mark belongs
// to the letter before it, so one after a blank or at the start is refused.
FilteredText FilterNameText(std::u32string_view text) {
    std::u32string filtered;
    filtered.reserve(text.size());
    bool afterLetter = false;
    for (const char32_t character : text) {
        if (IsLetter(character)) {
            filtered.push_back(Capital(character));
            afterLetter = true;
        } else if (IsCombiningMark(character) && afterLetter) {
            filtered.push_back(character);
        } else if (IsNamePunctuation(character)) {
            filtered.push_back(character);
            afterLetter = false;
        } else {
            return {{}, LettersOnly()};
        }
    }
    return {filtered, std::nullopt};
}

FilteredName FilterNameUtf8(std::string_view name) {
    std::u32string characters;
    characters.reserve(name.size());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(name.data());
    const auto length = static_cast<std::int32_t>(name.size());
    for (std::int32_t at = 0; at < length;) {
        UChar32 character = 0;
        U8_NEXT(bytes, at, length, character);
        if (character < 0) {
            return {{}, LettersOnly()};
        }
        characters.push_back(static_cast<char32_t>(character));
    }
    const FilteredText filtered = FilterNameText(characters);
    if (filtered.refusal) {
        return {{}, filtered.refusal};
    }
    std::string text;
    text.reserve(name.size());
    for (const char32_t character : filtered.text) {
        std::uint8_t encoded[U8_MAX_LENGTH];
        std::int32_t size = 0;
        // Read as UTF-8 above, and a capital is a code point too.
        U8_APPEND_UNSAFE(encoded, size, static_cast<UChar32>(character));
        text.append(reinterpret_cast<const char*>(encoded), static_cast<std::size_t>(size));
    }
    return {text, std::nullopt};
}

}  // namespace amsaview
