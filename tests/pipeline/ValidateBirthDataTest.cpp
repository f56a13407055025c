#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "pipeline/PlaceLookup.h"
#include "pipeline/ValidateBirthData.h"
#include "support/FormExamples.h"

namespace amsaview {
namespace {

using testing::DelhiForm;

constexpr const char* kLonDegrees =
    "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr const char* kLonMinutes =
    "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
constexpr const char* kLatDegrees = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
constexpr const char* kLatMinutes =
    "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
constexpr const char* kFebruary = "Please Enter Correct Date Or Month!";
constexpr const char* kThirtyDays = "Please Enter Correct Date Or Month !";

struct Case {
    const char* what;
    std::function<void(FormInput&)> edit;
    std::optional<ValidationFailure> expected;
};

ValidationFailure Critical(const char* message, FormField focus) {
    return {message, MessageIcon::Critical, focus};
}
ValidationFailure Information(const char* message) {
    return {message, MessageIcon::Information, FormField::None};
}

void Date(FormInput& form, int year, int month, int day) {
    form.yearRow = year - kFirstYear;
    form.monthRow = month - 1;
    form.dayRow = day - 1;
}

TEST(ValidateBirthData, EveryCheckWithItsMessageIconAndFocus) {
    const Case kCases[] = {
        {"complete form", [](FormInput&) {}, std::nullopt},
        {"empty name", [](FormInput& f) { f.name = ""; },
         Critical("Please Enter Name", FormField::Name)},
        {"blank name", [](FormInput& f) { f.name = "   "; },
         Critical("Please Enter Name", FormField::Name)},
        {"inner blanks", [](FormInput& f) { f.name = "RAM KUMAR"; }, std::nullopt},
        {"accent, apostrophe, hyphen", [](FormInput& f) { f.name = "JOS\xC3\x89 O'BRIEN-SMITH"; },
         std::nullopt},
        {"small letters of a birth file", [](FormInput& f) { f.name = "Jean-Luc"; }, std::nullopt},
        {"digit in a birth file", [](FormInput& f) { f.name = "RAM 2"; },
         ValidationFailure{"Please Enter only Letters", MessageIcon::Information, FormField::Name}},
        {"bytes that are not UTF-8",
         [](FormInput& f) {
             f.name =
                 "REN\xC9"
                 "E";
         },
         ValidationFailure{"Please Enter only Letters", MessageIcon::Information, FormField::Name}},
        {"longitude 179 59",
         [](FormInput& f) {
             f.lonDegrees = "179";
             f.lonMinutes = "59";
         },
         std::nullopt},
        {"longitude 180", [](FormInput& f) { f.lonDegrees = "180"; },
         Critical(kLonDegrees, FormField::LonDegrees)},
        {"longitude empty", [](FormInput& f) { f.lonDegrees = ""; },
         Critical(kLonDegrees, FormField::LonDegrees)},
        {"longitude pasted text", [](FormInput& f) { f.lonDegrees = "7a"; },
         Critical(kLonDegrees, FormField::LonDegrees)},
        {"longitude negative", [](FormInput& f) { f.lonDegrees = "-1"; },
         Critical(kLonDegrees, FormField::LonDegrees)},
        {"longitude blanks around", [](FormInput& f) { f.lonDegrees = " 77 "; }, std::nullopt},
        {"longitude minutes 60", [](FormInput& f) { f.lonMinutes = "60"; },
         Critical(kLonMinutes, FormField::LonMinutes)},
        {"latitude 90", [](FormInput& f) { f.latDegrees = "90"; },
         Critical(kLatDegrees, FormField::LatDegrees)},
        {"latitude huge", [](FormInput& f) { f.latDegrees = "99999999999"; },
         Critical(kLatDegrees, FormField::LatDegrees)},
        {"latitude minutes empty", [](FormInput& f) { f.latMinutes = ""; },
         Critical(kLatMinutes, FormField::LatMinutes)},
        {"name before coordinates",
         [](FormInput& f) {
             f.name = "";
             f.lonDegrees = "999";
         },
         Critical("Please Enter Name", FormField::Name)},
        {"rows before the name",
         [](FormInput& f) {
             f.name = "";
             f.yearRow = 150;
         },
         Critical("The year must be a row from 0 to 149 (1901 to 2050)", FormField::None)},
        {"day row near INT_MAX", [](FormInput& f) { f.dayRow = INT_MAX; },
         Critical("The day must be a row from 0 to 30 (day 1 to day 31)", FormField::None)},
        {"29 Feb 1904", [](FormInput& f) { Date(f, 1904, 2, 29); }, std::nullopt},
        {"29 Feb 2000", [](FormInput& f) { Date(f, 2000, 2, 29); }, std::nullopt},
        {"29 Feb 1901", [](FormInput& f) { Date(f, 1901, 2, 29); }, Information(kFebruary)},
        {"30 Feb 2000", [](FormInput& f) { Date(f, 2000, 2, 30); }, Information(kFebruary)},
        {"31 Feb 2001", [](FormInput& f) { Date(f, 2001, 2, 31); }, Information(kFebruary)},
        {"31 April", [](FormInput& f) { Date(f, 1999, 4, 31); }, Information(kThirtyDays)},
        {"31 June", [](FormInput& f) { Date(f, 1999, 6, 31); }, Information(kThirtyDays)},
        {"31 September", [](FormInput& f) { Date(f, 1999, 9, 31); }, Information(kThirtyDays)},
        {"31 November", [](FormInput& f) { Date(f, 1999, 11, 31); }, Information(kThirtyDays)},
        {"31 July", [](FormInput& f) { Date(f, 1999, 7, 31); }, std::nullopt},
        {"31 August", [](FormInput& f) { Date(f, 1999, 8, 31); }, std::nullopt},
        {"no place needed", [](FormInput& f) { f.city = f.state = f.country = ""; }, std::nullopt},
    };
    for (const Case& c : kCases) {
        FormInput form = DelhiForm(1975, 3, 7, 9, 5);
        c.edit(form);
        EXPECT_EQ(ValidateBirthData(form), c.expected) << c.what;
    }
}

// Two checks fail at once: the earlier in the order wins, for every pair of
// neighbours (February and the thirty-day months cannot fail together).
TEST(ValidateBirthData, OfTwoFailuresTheEarlierCheckWins) {
    const auto badName = [](FormInput& f) { f.name = " "; };
    const auto badLonDegrees = [](FormInput& f) { f.lonDegrees = "180"; };
    const auto badLonMinutes = [](FormInput& f) { f.lonMinutes = "60"; };
    const auto badLatDegrees = [](FormInput& f) { f.latDegrees = "90"; };
    const auto badLatMinutes = [](FormInput& f) { f.latMinutes = "60"; };
    const auto badFebruary = [](FormInput& f) { Date(f, 1901, 2, 30); };
    const auto badApril = [](FormInput& f) { Date(f, 1901, 4, 31); };
    struct Pair {
        const char* what;
        std::function<void(FormInput&)> earlier, later;
        ValidationFailure expected;
    };
    const Pair kPairs[] = {
        {"name, longitude degrees", badName, badLonDegrees,
         Critical("Please Enter Name", FormField::Name)},
        {"longitude degrees, minutes", badLonDegrees, badLonMinutes,
         Critical(kLonDegrees, FormField::LonDegrees)},
        {"longitude minutes, latitude degrees", badLonMinutes, badLatDegrees,
         Critical(kLonMinutes, FormField::LonMinutes)},
        {"latitude degrees, minutes", badLatDegrees, badLatMinutes,
         Critical(kLatDegrees, FormField::LatDegrees)},
        {"latitude minutes, February", badLatMinutes, badFebruary,
         Critical(kLatMinutes, FormField::LatMinutes)},
        {"latitude minutes, thirty days", badLatMinutes, badApril,
         Critical(kLatMinutes, FormField::LatMinutes)},
    };
    for (const Pair& pair : kPairs) {
        FormInput form = DelhiForm(1975, 3, 7, 9, 5);
        pair.later(form);
        pair.earlier(form);
        EXPECT_EQ(ValidateBirthData(form), pair.expected) << pair.what;
    }
}

TEST(ValidatePlaceForLookup, NeedsCityStateAndCountryInThatOrder) {
    FormInput form = DelhiForm(1975, 3, 7, 9, 5);
    EXPECT_EQ(ValidatePlaceForLookup(form), std::nullopt);
    EXPECT_EQ(PlaceSearchText(form), "New Delhi Delhi India");

    form.country = "";
    form.city = "";
    EXPECT_EQ(ValidatePlaceForLookup(form),
              (ValidationFailure{"Please Enter City", MessageIcon::Information, FormField::City}));
    form.city = " ";  // a blank counts as text here
    form.state = "";
    EXPECT_EQ(
        ValidatePlaceForLookup(form),
        (ValidationFailure{"Please Enter State", MessageIcon::Information, FormField::State}));
    form.state = "Delhi";
    EXPECT_EQ(
        ValidatePlaceForLookup(form),
        (ValidationFailure{"Please Enter Country", MessageIcon::Information, FormField::Country}));
}

}  // namespace
}  // namespace amsaview
