#include "cli/ParseBirth.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

#include "cli/ClockFields.h"
#include "model/TimeZoneTable.h"
#include "pipeline/KeyFilters.h"

namespace amsaview {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a run of ASCII digits, at least `fewest` and at most `most`, off the
// front of `text`. The whole-text formats below end with an empty rest, so a
// trailing newline or blank never passes.
std::optional<std::string_view> TakeDigits(std::string_view& text, std::size_t fewest,
                                           std::size_t most) {
    std::size_t count = 0;
    while (count < text.size() && count < most && IsDigit(text[count])) {
        ++count;
    }
    if (count < fewest) {
        return std::nullopt;
    }
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

bool TakeChar(std::string_view& text, char expected) {
    if (text.empty() || text.front() != expected) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

// Digit runs are short here, except a zone row, which is capped before use.
int ValueOf(std::string_view digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// The form's rule for a typed name, capitals included.
std::optional<std::string> FilterName(std::string_view name, FormInput& form) {
    FilteredName filtered = FilterNameUtf8(name);
    if (filtered.refusal) {
        return filtered.refusal->message;
    }
    form.name = std::move(filtered.text);
    return std::nullopt;
}

std::optional<std::string> ParseDate(std::string_view text, FormInput& form) {
    const auto year = TakeDigits(text, 4, 4);
    const bool firstDash = year && TakeChar(text, '-');
    const auto month = firstDash ? TakeDigits(text, 2, 2) : std::nullopt;
    const bool secondDash = month && TakeChar(text, '-');
    const auto day = secondDash ? TakeDigits(text, 2, 2) : std::nullopt;
    if (!day || !text.empty() || ValueOf(*month) < 1 || ValueOf(*month) > 12 || ValueOf(*day) < 1 ||
        ValueOf(*day) > 31) {
        return "--date must be a date YYYY-MM-DD";
    }
    const int yearValue = ValueOf(*year);
    if (yearValue < kFirstYear || yearValue > kLastYear) {
        return "--date must have a year from " + std::to_string(kFirstYear) + " to " +
               std::to_string(kLastYear);
    }
    form.monthRow = ValueOf(*month) - 1;
    form.dayRow = ValueOf(*day) - 1;
    form.yearRow = yearValue - kFirstYear;
    return std::nullopt;
}

std::optional<std::string> ParseTime(std::string_view text, FormInput& form) {
    const auto hour = TakeDigits(text, 1, 2);
    const bool colon = hour && TakeChar(text, ':');
    const auto minute = colon ? TakeDigits(text, 2, 2) : std::nullopt;
    std::optional<std::string_view> second;
    if (minute && TakeChar(text, ':')) {
        second = TakeDigits(text, 2, 2);
        if (!second) {
            text = ":";  // a colon with no seconds after it
        }
    }
    if (!minute || !text.empty() || ValueOf(*hour) > 23 || ValueOf(*minute) > 59 ||
        (second && ValueOf(*second) > 59)) {
        return "--time must be a time HH:MM or HH:MM:SS";
    }
    form.hourRow = ValueOf(*hour);
    form.minuteRow = ValueOf(*minute);
    form.secondRow = second ? ValueOf(*second) : 0;
    return std::nullopt;
}

// Degrees and minutes stay texts: the form's own checks judge their ranges.
std::optional<std::string> ParseCoordinate(std::string_view text, BirthField field, char positive,
                                           char negative, std::string& degrees,
                                           std::string& minutes, bool& isNegative) {
    const auto degreeDigits = TakeDigits(text, 1, text.size());
    const bool hemisphere =
        degreeDigits && !text.empty() && (text.front() == positive || text.front() == negative);
    isNegative = hemisphere && text.front() == negative;
    if (hemisphere) {
        text.remove_prefix(1);
    }
    const auto minuteDigits = hemisphere ? TakeDigits(text, 1, text.size()) : std::nullopt;
    if (!minuteDigits || !text.empty()) {
        return OptionName(field) + " must be degrees, " + positive + " or " + negative +
               ", then minutes";
    }
    degrees = *degreeDigits;
    minutes = *minuteDigits;
    return std::nullopt;
}

std::optional<std::string> ParseZone(std::string_view text, FormInput& form) {
    const std::string_view whole = text;
    const auto digits = TakeDigits(text, 1, text.size());
    const std::size_t significant = whole.find_first_not_of('0');
    if (!digits || !text.empty() ||
        (significant != std::string_view::npos && whole.size() - significant > 2) ||
        ValueOf(*digits) >= kTimeZoneCount) {
        return "--zone must be a row from 0 to " + std::to_string(kTimeZoneCount - 1);
    }
    form.zoneRow = ValueOf(*digits);
    return std::nullopt;
}

// The single-birth mode sets these as flags; a batch column says them in words.
std::optional<std::string> ParseYesNo(std::string_view text, BirthField field, bool& value) {
    for (const std::string_view yes : {"1", "true", "yes"}) {
        if (text == yes) {
            value = true;
            return std::nullopt;
        }
    }
    for (const std::string_view no : {"0", "false", "no"}) {
        if (text == no) {
            value = false;
            return std::nullopt;
        }
    }
    return OptionName(field) + " must be 1, true or yes, or 0, false or no";
}

}  // namespace

std::variant<FormInput, std::string> ParseBirth(const BirthFields& fields) {
    std::array<bool, kBirthFieldNames.size()> present{};
    for (std::size_t field = 0; field < present.size(); ++field) {
        present[field] = fields.values[field].has_value();
    }
    if (const auto missing = FirstMissingField(present)) {
        return "Missing option " + OptionName(*missing);
    }
    FormInput form;
    bool west = false;
    std::optional<std::string> error = FilterName(*fields[BirthField::Name], form);
    if (!error) {
        error = ParseDate(*fields[BirthField::Date], form);
    }
    if (!error) {
        error = ParseTime(*fields[BirthField::Time], form);
    }
    if (!error && fields[BirthField::Lon]) {
        error = ParseCoordinate(*fields[BirthField::Lon], BirthField::Lon, 'E', 'W',
                                form.lonDegrees, form.lonMinutes, west);
    }
    if (!error && fields[BirthField::Lat]) {
        error = ParseCoordinate(*fields[BirthField::Lat], BirthField::Lat, 'N', 'S',
                                form.latDegrees, form.latMinutes, form.south);
    }
    if (!error && fields[BirthField::Zone]) {
        error = ParseZone(*fields[BirthField::Zone], form);
    }
    if (!error && fields[BirthField::Dst]) {
        error = ParseYesNo(*fields[BirthField::Dst], BirthField::Dst, form.dst);
    }
    RepeatedMoment repeated = RepeatedMoment::Ask;
    for (const auto& [field, moment] : {std::pair{BirthField::Earlier, RepeatedMoment::Earlier},
                                        std::pair{BirthField::Later, RepeatedMoment::Later}}) {
        bool chosen = false;
        if (!error && fields[field]) {
            error = ParseYesNo(*fields[field], field, chosen);
        }
        if (chosen && repeated != RepeatedMoment::Ask) {
            return "--earlier and --later cannot both be given";
        }
        if (chosen) {
            repeated = moment;
        }
    }
    if (error) {
        return *std::move(error);
    }
    form.east = !west;
    form.city = fields[BirthField::City].value_or("");
    form.state = fields[BirthField::State].value_or("");
    form.country = fields[BirthField::Country].value_or("");
    if (auto clockError = SettleClockFields(fields, repeated, form)) {
        return *std::move(clockError);
    }
    return form;
}

}  // namespace amsaview
