#include "pipeline/PlaceLookup.h"

namespace amsaview {

std::optional<ValidationFailure> ValidatePlaceForLookup(const FormInput& form) {
    if (form.city.empty()) {
        return ValidationFailure{"Please Enter City", MessageIcon::Information, FormField::City};
    }
    if (form.state.empty()) {
        return ValidationFailure{"Please Enter State", MessageIcon::Information, FormField::State};
    }
    if (form.country.empty()) {
        return ValidationFailure{"Please Enter Country", MessageIcon::Information,
                                 FormField::Country};
    }
    return std::nullopt;
}

std::string PlaceSearchText(const FormInput& form) {
    return form.city + " " + form.state + " " + form.country;
}

}  // namespace amsaview
