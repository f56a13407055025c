#include "cli/BirthFields.h"

#include <algorithm>
#include <initializer_list>

namespace amsaview {

std::optional<BirthField> BirthFieldNamed(std::string_view name) {
    const auto found = std::find(kBirthFieldNames.begin(), kBirthFieldNames.end(), name);
    if (found == kBirthFieldNames.end()) {
        return std::nullopt;
    }
    return static_cast<BirthField>(found - kBirthFieldNames.begin());
}

std::string OptionName(BirthField field) {
    return "--" + std::string(kBirthFieldNames[static_cast<std::size_t>(field)]);
}

std::optional<BirthField> FirstMissingField(
    const std::array<bool, kBirthFieldNames.size()>& present) {
    const auto has = [&present](BirthField field) {
        return present[static_cast<std::size_t>(field)];
    };
    for (const BirthField field : {BirthField::Name, BirthField::Date, BirthField::Time}) {
        if (!has(field)) {
            return field;
        }
    }
    if (has(BirthField::Place)) {
        return std::nullopt;
    }
    for (const BirthField field : {BirthField::Lon, BirthField::Lat}) {
        if (!has(field)) {
            return field;
        }
    }
    return std::nullopt;
}

}  // namespace amsaview
