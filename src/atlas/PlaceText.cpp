#include "atlas/PlaceText.h"

namespace amsaview {

std::string FormatPlace(const Place& place) {
    std::string text = place.name;
    for (const std::string* part : {&place.state, &place.country}) {
        if (!part->empty()) {
            text += ", " + *part;
        }
    }
    return text;
}

}  // namespace amsaview
