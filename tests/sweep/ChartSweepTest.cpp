// Every 7th day of 1901..2050 at four clock times, the time zones, places and
// daylight saving in rotation: each chart must hold together on its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "charts/DivisionalRules.h"
#include "model/TimeZoneTable.h"
#include "pipeline/ChartCaptions.h"
#include "pipeline/ComputeChart.h"
#include "support/ChartBoxNames.h"
#include "vedic/Nakshatra.h"

namespace amsaview {
namespace {

using testing::NamesPlaced;

constexpr std::string_view kDegree = "\u00B0";
constexpr std::array<std::string_view, kSignCount> kEnglishSigns = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

struct Date {
    int year = kFirstYear;
    int month = 1;
    int day = 1;
};

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

Date DaysLater(Date date, int days) {
    for (; days > 0; --days) {
        if (++date.day > DaysInMonth(date.year, date.month)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
    return date;
}

// Collects what does not hold, so that one bad stage does not bury the
// report under thousands of lines.
class Findings {
  public:
    void Add(const std::string& chart, const std::string& what) {
        if (++count_ <= kShown) {
            shown_ << chart << ": " << what << "\n";
        }
    }
    int Count() const { return count_; }
    std::string Shown() const { return shown_.str(); }

  private:
    static constexpr int kShown = 25;
    int count_ = 0;
    std::ostringstream shown_;
};

// Reads a whole number at the front of `text` and moves past it.
std::optional<long> TakeNumber(std::string_view& text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end == text.data()) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

bool TakeText(std::string_view& text, std::string_view expected) {
    if (!text.starts_with(expected)) {
        return false;
    }
    text.remove_prefix(expected.size());
    return true;
}

std::optional<int> SignNamed(std::string_view abbreviation) {
    constexpr std::string_view kSigns = "AriTauGemCanLeoVirLibScoSagCapAquPis";
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (kSigns.substr(3 * static_cast<std::size_t>(sign), 3) == abbreviation) {
            return sign;
        }
    }
    return std::nullopt;
}

// "D° M' S\"" with minutes and seconds below 60, as arc-seconds.
std::optional<long> ArcSeconds(std::string_view& text) {
    const auto degrees = TakeNumber(text);
    if (!degrees || !TakeText(text, kDegree) || !TakeText(text, " ")) {
        return std::nullopt;
    }
    const auto minutes = TakeNumber(text);
    if (!minutes || *minutes < 0 || *minutes > 59 || !TakeText(text, "' ")) {
        return std::nullopt;
    }
    const auto seconds = TakeNumber(text);
    if (!seconds || *seconds < 0 || *seconds > 59 || !TakeText(text, "\"")) {
        return std::nullopt;
    }
    return (*degrees * 60 + *minutes) * 60 + *seconds;
}

// The long form "16° 31' 32\" Sag", as arc-seconds from 0° Aries.
std::optional<long> LongFormSeconds(std::string_view text) {
    const auto inSign = ArcSeconds(text);
    if (!inSign || *inSign < 0 || *inSign >= 30 * 3600 || !TakeText(text, " ")) {
        return std::nullopt;
    }
    const auto sign = SignNamed(text);
    if (!sign) {
        return std::nullopt;
    }
    return *sign * 30 * 3600 + *inSign;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The short form "16 Sag 31", as arc-minutes from 0° Aries.
std::optional<long> ShortFormMinutes(std::string_view text) {
    if (text.size() != 9 || text[2] != ' ' || text[6] != ' ' || !IsDigit(text[0]) ||
        !IsDigit(text[1]) || !IsDigit(text[7]) || !IsDigit(text[8])) {
        return std::nullopt;
    }
    const int degrees = (text[0] - '0') * 10 + (text[1] - '0');
    const int minutes = (text[7] - '0') * 10 + (text[8] - '0');
    const auto sign = SignNamed(text.substr(3, 3));
    if (!sign || degrees > 29 || minutes > 59) {
        return std::nullopt;
    }
    return (*sign * 30 + degrees) * 60 + minutes;
}

// A text cut from a value lies at most one unit below it; the texts add a
// hundred-thousandth of an arc-second before cutting.
bool IsCutFrom(long units, double value) {
    const double below = value - static_cast<double>(units);
    return below > -1e-4 && below < 1;
}

bool IsLongitude(double value) {
    return std::isfinite(value) && value >= 0 && value < 360;
}

std::string Describe(const FormInput& form) {
    std::ostringstream text;
    text << kFirstYear + form.yearRow << "-" << form.monthRow + 1 << "-" << form.dayRow + 1 << " "
         << form.hourRow << ":" << form.minuteRow << " zone " << *form.zoneRow
         << (form.dst ? " dst" : "") << " " << form.lonDegrees << (form.east ? "E" : "W")
         << form.lonMinutes << " " << form.latDegrees << (form.south ? "S" : "N")
         << form.latMinutes;
    return text.str();
}

class ChartChecks {
  public:
    ChartChecks(const ChartResult& result, Findings& findings, const FormInput& form)
        : result_(result), positions_(result.positions), findings_(findings), form_(form) {}

    void Longitude(const char* what, double value, std::string_view longForm,
                   std::string_view shortForm) {
        if (!IsLongitude(value)) {
            Fail(what, "value " + std::to_string(value) + " outside [0, 360)");
            return;
        }
        if (!longForm.empty()) {
            const auto seconds = LongFormSeconds(longForm);
            if (!seconds || !IsCutFrom(*seconds, value * 3600)) {
                Fail(what,
                     "long text \"" + std::string(longForm) + "\" for " + std::to_string(value));
            }
        }
        const auto minutes = ShortFormMinutes(shortForm);
        if (!minutes || !IsCutFrom(*minutes, value * 60)) {
            Fail(what,
                 "short text \"" + std::string(shortForm) + "\" for " + std::to_string(value));
        }
    }

    void Ayanamsa() {
        // The ayanamsa in use is near 22.5° in 1900 and 24.5° in 2050.
        const double value = positions_.ayanamsa;
        if (!std::isfinite(value) || value > -22 || value < -25) {
            Fail("ayanamsa", std::to_string(value));
            return;
        }
        std::string_view text = positions_.ayanamsaText;
        const auto seconds = TakeText(text, "-") ? ArcSeconds(text) : std::nullopt;
        if (!seconds || !text.empty() || !IsCutFrom(*seconds, -value * 3600)) {
            Fail("ayanamsa",
                 "text \"" + positions_.ayanamsaText + "\" for " + std::to_string(value));
        }
        if (result_.texts.lblAyanamsha != positions_.ayanamsaText) {
            Fail("ayanamsa", "caption \"" + result_.texts.lblAyanamsha + "\"");
        }
    }

    void Lagna() {
        Longitude("ascendant", positions_.ascendant, positions_.ascendantText,
                  result_.texts.lblLagnaPosition);
        const auto sign = ShortFormMinutes(result_.texts.lblLagnaPosition);
        if (sign &&
            !result_.texts.lblLagna.starts_with(
                std::string(kEnglishSigns[static_cast<std::size_t>(*sign / 1800)]) + " (")) {
            Fail("Lagna",
                 "\"" + result_.texts.lblLagna + "\" for " + result_.texts.lblLagnaPosition);
        }
    }

    void Moon() {
        const double moon = positions_.moonSidereal;
        Longitude("Moon", moon, positions_.moonText, positions_.positionText[1]);
        if (positions_.siderealLongitude[1] != moon) {
            Fail("Moon", "two longitudes");
        }
        if (!IsLongitude(moon)) {
            return;
        }
        const auto nakshatra = static_cast<std::size_t>(std::floor(moon * 27 / 360));
        const auto sign = static_cast<std::size_t>(std::floor(moon / 30));
        const long pada = static_cast<long>(std::floor(moon * 108 / 360)) % 4 + 1;
        if (result_.texts.lblNakshatra != NakshatraNames[nakshatra] ||
            result_.texts.lblRashi != SignNamesVedic[sign] ||
            result_.texts.lblPada != std::to_string(pada)) {
            Fail("Moon", result_.texts.lblNakshatra + " " + result_.texts.lblRashi + " pada " +
                             result_.texts.lblPada + " for " + std::to_string(moon));
        }
    }

    // The Moon's long text is read by Moon().
    void Bodies() {
        for (std::size_t body = 0; body < kBodyCount; ++body) {
            const std::string name(kPlanetNames[body]);
            Longitude(name.c_str(), positions_.siderealLongitude[body], std::string_view{},
                      positions_.positionText[body]);
            if (result_.texts.planet[body] != positions_.positionText[body]) {
                Fail(name.c_str(), "caption \"" + result_.texts.planet[body] + "\"");
            }
        }
        const double rahu = positions_.siderealLongitude[7];
        const double ketu = positions_.siderealLongitude[8];
        if (std::fabs(std::fmod(ketu - rahu + 360, 360) - 180) > 1e-9) {
            Fail("Ketu", std::to_string(ketu) + " not opposite Rahu " + std::to_string(rahu));
        }
    }

    // Every placement of a planet carries the planet's own retrograde flag.
    void RetrogradeMarks() {
        const auto check = [this](const ChartPlacement& chart) {
            for (const SignBox& box : chart.signs) {
                for (const PlacedBody& placed : box.bodies()) {
                    if (placed.retrograde != IsMarkedRetrograde(positions_, placed.body)) {
                        Fail(kPlanetNames[SlotOf(placed.body)].data(),
                             "retrograde mark and flag disagree");
                    }
                }
            }
        };
        check(result_.placements.rashi);
        for (const ChartPlacement& chart : result_.placements.divisional) {
            check(chart);
        }
    }

    // Each of the nine bodies once, the Rashi chart in the sign of its text.
    void Charts() {
        const std::vector<std::string> vedic = ShownNames(kVedicPlanetNames);
        const auto rashi = NamesPlaced(RashiCaptions(result_.placements));
        EachOnce("Rashi chart", rashi, vedic);
        for (const auto& placed : rashi) {
            for (std::size_t body = 0; body < kBodyCount; ++body) {
                const auto minutes = ShortFormMinutes(positions_.positionText[body]);
                if (placed.name == vedic[body] && minutes && placed.sign != *minutes / 1800) {
                    Fail("Rashi chart", placed.name + " in sign " + std::to_string(placed.sign));
                }
            }
        }
        const std::vector<std::string> english = ShownNames(kPlanetNames);
        for (std::size_t chart = 0; chart < kDivisionalCharts.size(); ++chart) {
            EachOnce(std::string(kDivisionalCharts[chart].title),
                     NamesPlaced(DivisionalCaptions(result_.placements, chart)), english);
        }
    }

  private:
    // The names as the boxes show them: a retrograde planet carries its mark.
    std::vector<std::string> ShownNames(const BodyNames& plain) const {
        std::vector<std::string> names(plain.begin(), plain.end());
        for (std::size_t planet = 0; planet < kRetrogradePlanetCount; ++planet) {
            if (positions_.retrograde[planet]) {
                names[planet + 2] += kRetrogradeMarker;
            }
        }
        return names;
    }

    void EachOnce(const std::string& chart, const std::vector<testing::PlacedName>& placed,
                  const std::vector<std::string>& names) {
        if (placed.size() != names.size()) {
            Fail(chart.c_str(), std::to_string(placed.size()) + " names");
        }
        for (const std::string& name : names) {
            const auto times = std::count_if(placed.begin(), placed.end(),
                                             [&](const auto& p) { return p.name == name; });
            if (times != 1) {
                Fail(chart.c_str(), name + " " + std::to_string(times) + " times");
            }
        }
    }

    void Fail(const char* what, const std::string& detail) {
        findings_.Add(Describe(form_), std::string(what) + ": " + detail);
    }

    const ChartResult& result_;
    const ChartPositions& positions_;
    Findings& findings_;
    const FormInput& form_;
};

struct Place {
    const char* lonDegrees;
    const char* lonMinutes;
    const char* latDegrees;
    const char* latMinutes;
};

// The corners of the coordinate boxes and a few places between.
constexpr Place kPlaces[] = {
    {"0", "0", "0", "0"},   {"179", "59", "89", "59"}, {"77", "12", "28", "36"},
    {"0", "1", "66", "33"}, {"120", "30", "45", "0"},  {"179", "59", "0", "0"},
    {"0", "0", "89", "59"},
};

struct ClockTime {
    int hour;
    int minute;
};
constexpr ClockTime kTimes[] = {{0, 0}, {5, 59}, {12, 30}, {23, 59}};

FormInput SweepForm(const Date& date, const ClockTime& time, long chart) {
    FormInput form;
    form.name = "SWEEP";
    form.yearRow = date.year - kFirstYear;
    form.monthRow = date.month - 1;
    form.dayRow = date.day - 1;
    form.hourRow = time.hour;
    form.minuteRow = time.minute;
    const Place& place = kPlaces[chart % std::size(kPlaces)];
    form.lonDegrees = place.lonDegrees;
    form.lonMinutes = place.lonMinutes;
    form.latDegrees = place.latDegrees;
    form.latMinutes = place.latMinutes;
    // Periods prime to each other and to the place count, so the options mix.
    form.east = chart / 11 % 2 == 0;
    form.south = chart / 13 % 2 == 1;
    form.dst = chart / 3 % 2 == 1;
    form.zoneRow = static_cast<int>(chart % kTimeZoneCount);
    return form;
}

TEST(ChartSweep, EveryChartHoldsTogether) {
    constexpr int kStepDays = 7;
    const Date last{kLastYear, 12, 31};
    std::vector<Date> days;
    for (Date date; date.year <= kLastYear; date = DaysLater(date, kStepDays)) {
        days.push_back(date);
    }
    days.push_back(last);

    Findings findings;
    ChartResult reused;
    long charts = 0;
    for (const Date& date : days) {
        for (const ClockTime& time : kTimes) {
            const FormInput form = SweepForm(date, time, charts++);
            ChartResult fresh;
            if (const auto failure = ComputeChart(form, fresh)) {
                findings.Add(Describe(form), "refused: " + failure->message);
                continue;
            }
            ASSERT_FALSE(ComputeChart(form, reused)) << Describe(form);
            if (!(reused == fresh)) {
                findings.Add(Describe(form), "a reused result differs from a fresh one");
            }
            ChartChecks checks(fresh, findings, form);
            checks.Ayanamsa();
            checks.Lagna();
            checks.Moon();
            checks.Bodies();
            checks.RetrogradeMarks();
            checks.Charts();
        }
    }
    std::cout << "Swept " << charts << " charts\n";
    RecordProperty("charts", std::to_string(charts));
    EXPECT_GT(charts, 4L * 150 * 365 / kStepDays);
    EXPECT_EQ(findings.Count(), 0) << findings.Shown();
}

}  // namespace
}  // namespace amsaview
