#include "app/BirthFields.h"

#include <algorithm>

namespace amsaview {

std::optional<BirthField> BirthFieldNamed(std::string_view name) {
    const auto found = std::find(kBirthFieldNames.begin(), kBirthFieldNames.end(), name);
    if (found == kBirthFieldNames.end()) {
        return std::nullopt;
    }
    return static_cast<BirthField>(found - kBirthFieldNames.begin());
}

}  // namespace amsaview
