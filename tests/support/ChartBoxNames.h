#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/LookupLists.h"

namespace amsaview::testing {

// One name listed in a chart, with the sign of the box that lists it.
struct PlacedName {
    std::string name;
    int sign = 0;
};

// Every name in a chart's twelve boxes, Aries first. A box lists its names
// as "\r\nName" each; this is the one place that reads that form.
inline std::vector<PlacedName> NamesPlaced(std::span<const std::string, kSignCount> boxes) {
    constexpr std::string_view kBreak = "\r\n";
    std::vector<PlacedName> placed;
    for (int sign = 0; sign < kSignCount; ++sign) {
        const std::string& box = boxes[static_cast<std::size_t>(sign)];
        for (std::size_t at = box.find(kBreak); at != std::string::npos;) {
            const std::size_t next = box.find(kBreak, at + kBreak.size());
            const std::size_t end = next == std::string::npos ? box.size() : next;
            placed.push_back({box.substr(at + kBreak.size(), end - at - kBreak.size()), sign});
            at = next;
        }
    }
    return placed;
}

}  // namespace amsaview::testing
