// Builds the atlas's search index from libgeonames' city list, once, when
// the program is built: reading the list through its getters and folding
// every name costs half a second, too much for each start of the tool.
#include <geonames.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/PlaceIndex.h"
#include "atlas/SearchFold.h"

namespace {

using amsaview::Place;
using amsaview::WordStart;

constexpr std::string_view kDelimiter = "places";
constexpr std::size_t kChunkLength = 60000;

std::string TextOrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

Place ReadPlace(int index) {
    GeonamesCity* city = geonames_get_city(index);
    Place place{TextOrEmpty(geonames_city_get_name(city)),
                TextOrEmpty(geonames_city_get_state(city)),
                TextOrEmpty(geonames_city_get_country(city)),
                TextOrEmpty(geonames_city_get_country_code(city)),
                TextOrEmpty(geonames_city_get_timezone(city)),
                geonames_city_get_latitude(city),
                geonames_city_get_longitude(city),
                geonames_city_get_population(city)};
    geonames_city_free(city);
    return place;
}

bool FitsTheIndex(const Place& place) {
    for (const std::string* text :
         {&place.name, &place.state, &place.country, &place.countryCode, &place.timeZone}) {
        if (text->find_first_of("\t\n") != std::string::npos ||
            text->find(kDelimiter) != std::string::npos) {
            return false;
        }
    }
    return true;
}

std::vector<WordStart> SortedWordStarts(const std::vector<std::string>& foldedNames) {
    std::vector<WordStart> starts;
    for (std::uint32_t entry = 0; entry < foldedNames.size(); ++entry) {
        const std::string& name = foldedNames[entry];
        for (std::size_t offset = 0;;) {
            starts.push_back({entry, static_cast<std::uint32_t>(offset)});
            const std::size_t blank = name.find(' ', offset);
            if (blank == std::string::npos) {
                break;
            }
            offset = blank + 1;
        }
    }
    const auto textFrom = [&foldedNames](const WordStart& start) {
        return std::string_view(foldedNames[start.entry]).substr(start.offset);
    };
    std::stable_sort(starts.begin(), starts.end(), [&](const WordStart& a, const WordStart& b) {
        return textFrom(a) < textFrom(b);
    });
    return starts;
}

// The shortest text that reads back as the same number.
template <typename Number>
std::string NumberText(Number value) {
    std::array<char, 32> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), error == std::errc() ? end : text.data());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.h\n", argv[0]);
        return 2;
    }
    const int count = geonames_get_n_cities();
    if (count <= 0) {
        std::fprintf(stderr, "libgeonames lists no places\n");
        return 1;
    }
    // Literals of whole lines, each within the 65,536 characters every C++
    // compiler must take.
    std::string texts;
    std::size_t chunkLength = 0;
    std::string numbers;
    std::vector<std::string> foldedNames;
    for (int index = 0; index < count; ++index) {
        const Place place = ReadPlace(index);
        if (!FitsTheIndex(place)) {
            std::fprintf(stderr, "place %d (%s) holds a tab, a new line or \"%s\"\n", index,
                         place.name.c_str(), kDelimiter.data());
            return 1;
        }
        const std::string line = amsaview::PlaceIndexLine(place) + '\n';
        if (chunkLength + line.size() > kChunkLength) {
            texts +=
                std::string(")") + kDelimiter.data() + "\"sv,\n    R\"" + kDelimiter.data() + "(";
            chunkLength = 0;
        }
        texts += line;
        chunkLength += line.size();
        numbers += "{" + NumberText(place.latitude) + ", " + NumberText(place.longitude) + ", " +
                   NumberText(place.population) + "},\n";
        foldedNames.push_back(amsaview::FoldForSearch(place.name));
    }
    std::string wordStarts;
    for (const WordStart& start : SortedWordStarts(foldedNames)) {
        wordStarts += "{" + NumberText(start.entry) + ", " + NumberText(start.offset) + "},\n";
    }

    const std::filesystem::path output = argv[1];
    const std::filesystem::path partial = output.string() + ".partial";
    {
        std::ofstream header(partial, std::ios::binary | std::ios::trunc);
        header << "// Generated at build time from libgeonames' city list; do not edit.\n"
               << "#pragma once\n\n#include <string_view>\n\n#include \"atlas/PlaceIndex.h\"\n\n"
               << "namespace amsaview {\n\n"
               << "using std::string_view_literals::operator\"\"sv;\n\n"
               << "// One line a place, in pieces of whole lines.\n"
               << "inline constexpr std::string_view kPlaceIndexChunks[] = {\n    R\"" << kDelimiter
               << "(" << texts << ")" << kDelimiter << "\"sv,\n};\n\n"
               << "// One entry a line of kPlaceIndexChunks.\n"
               << "inline constexpr PlaceNumbers kPlaceNumbers[] = {\n"
               << numbers << "};\n\n"
               << "inline constexpr WordStart kWordStarts[] = {\n"
               << wordStarts << "};\n\n}  // namespace amsaview\n";
        if (!header.flush()) {
            std::fprintf(stderr, "cannot write %s\n", partial.c_str());
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, output, error);
    if (error) {
        std::fprintf(stderr, "cannot write %s: %s\n", output.c_str(), error.message().c_str());
        return 1;
    }
    return 0;
}
