#include "atlas/PlaceIndex.h"

#include <array>

#include "atlas/SearchFold.h"

namespace amsaview {
namespace {

constexpr std::size_t kTextFieldCount = 9;

}  // namespace

Place IndexedPlace::ToPlace() const {
    return Place{std::string(name),        std::string(state),    std::string(country),
                 std::string(countryCode), std::string(timeZone), numbers.latitude,
                 numbers.longitude,        numbers.population};
}

std::string PlaceIndexLine(const Place& place) {
    std::string line = place.name + '\t' + place.state + '\t' + place.country + '\t' +
                       place.countryCode + '\t' + place.timeZone;
    for (const std::string* text :
         {&place.name, &place.state, &place.country, &place.countryCode}) {
        line += '\t';
        line += FoldForSearch(*text);
    }
    return line;
}

std::optional<IndexedPlace> ParsePlaceIndexLine(std::string_view line,
                                                const PlaceNumbers& numbers) {
    std::array<std::string_view, kTextFieldCount> field;
    std::size_t start = 0;
    for (std::size_t i = 0; i < kTextFieldCount; ++i) {
        const std::size_t end = line.find('\t', start);
        if ((end == std::string_view::npos) != (i + 1 == kTextFieldCount)) {
            return std::nullopt;
        }
        field[i] = line.substr(start, end - start);
        start = end + 1;
    }
    return IndexedPlace{field[0], field[1], field[2], field[3], field[4],
                        field[5], field[6], field[7], field[8], numbers};
}

}  // namespace amsaview
