#include "pipeline/ChartCaptions.h"

#include "model/LookupLists.h"

namespace amsaview {
namespace {

ChartCaptions CaptionsOf(const ChartPlacement& placement, const BodyNames& names) {
    ChartCaptions captions;
    for (std::size_t sign = 0; sign < captions.size(); ++sign) {
        captions[sign] = SignBoxCaption(placement.signs[sign], names);
    }
    return captions;
}

}  // namespace

std::string SignBoxCaption(const SignBox& box, const BodyNames& names) {
    std::string caption;
    for (const PlacedBody& placed : box.bodies()) {
        caption += "\r\n";
        caption += names[SlotOf(placed.body)];
        if (placed.retrograde) {
            caption += kRetrogradeMarker;
        }
    }
    return caption;
}

ChartCaptions RashiCaptions(const ChartPlacements& placements) {
    return CaptionsOf(placements.rashi, kVedicPlanetNames);
}

ChartCaptions DivisionalCaptions(const ChartPlacements& placements, std::size_t chart) {
    return CaptionsOf(placements.divisional[chart], kPlanetNames);
}

}  // namespace amsaview
