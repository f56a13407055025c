#include "pipeline/KeyFilters.h"

namespace amsaview {
namespace {

bool IsDigit(char32_t key) {
    return key >= U'0' && key <= U'9';
}

bool IsLowerCaseLetter(char32_t key) {
    return key >= U'a' && key <= U'z';
}

bool IsUpperCaseLetter(char32_t key) {
    return key >= U'A' && key <= U'Z';
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

FilteredKey FilterNameKey(char32_t key) {
    if (IsLowerCaseLetter(key)) {
        return {key - U'a' + U'A', std::nullopt};
    }
    if (IsUpperCaseLetter(key) || key == U' ' || key == kEnterKey || key == kBackspaceKey) {
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

// Enter and Backspace are keys, not characters a name holds.
FilteredText FilterNameText(std::u32string_view text) {
    std::u32string filtered;
    filtered.reserve(text.size());
    for (const char32_t character : text) {
        if (IsLowerCaseLetter(character)) {
            filtered.push_back(character - U'a' + U'A');
        } else if (IsUpperCaseLetter(character) || character == U' ') {
            filtered.push_back(character);
        } else {
            return {{}, LettersOnly()};
        }
    }
    return {filtered, std::nullopt};
}

}  // namespace amsaview
