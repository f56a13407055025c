#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace amsaview {

// The details of one birth as named texts, before any check: the options of
// the single-birth mode and the columns or keys of a batch row alike.
// Place and tz take the clock from the place's history instead of a zone row;
// earlier and later say which moment a repeated local time means.
enum class BirthField {
    Name,
    Date,
    Time,
    Lon,
    Lat,
    Zone,
    Dst,
    City,
    State,
    Country,
    Place,
    Tz,
    Earlier,
    Later
};

inline constexpr std::array<std::string_view, 14> kBirthFieldNames = {
    "name", "date",  "time",    "lon",   "lat", "zone",    "dst",
    "city", "state", "country", "place", "tz",  "earlier", "later"};

std::optional<BirthField> BirthFieldNamed(std::string_view name);

// The command-line option of a field: "--" and its name.
std::string OptionName(BirthField field);

// The first field a birth lacks, in the order of BirthField: name, date and
// time always, longitude and latitude unless a place brings its own.
std::optional<BirthField> FirstMissingField(
    const std::array<bool, kBirthFieldNames.size()>& present);

// A field left out is empty; texts are UTF-8.
struct BirthFields {
    std::array<std::optional<std::string>, kBirthFieldNames.size()> values;

    const std::optional<std::string>& operator[](BirthField field) const {
        return values[static_cast<std::size_t>(field)];
    }
    std::optional<std::string>& operator[](BirthField field) {
        return values[static_cast<std::size_t>(field)];
    }
};

}  // namespace amsaview
