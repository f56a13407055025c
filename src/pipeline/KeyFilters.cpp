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

}  // namespace

FilteredKey FilterCoordinateKey(char32_t key) {
    if (IsDigit(key) || key == kBackspaceKey) {
        return {key, std::nullopt};
    }
    return {0,
            ValidationFailure{"Only Numbers Are Accepted", MessageIcon::Critical, FormField::None}};
}

FilteredKey FilterNameKey(char32_t key) {
    if (IsLowerCaseLetter(key)) {
        return {key - U'a' + U'A', std::nullopt};
    }
    if (IsUpperCaseLetter(key) || key == U' ' || key == kEnterKey || key == kBackspaceKey) {
        return {key, std::nullopt};
    }
    return {0, ValidationFailure{"Please Enter only Letters", MessageIcon::Information,
                                 FormField::None}};
}

}  // namespace amsaview
