#include "pipeline/ValidateBirthData.h"

#include "model/TextUtil.h"
#include "model/TimeZoneTable.h"
#include "pipeline/KeyFilters.h"

namespace amsaview {
namespace {

// A register or a birth file may hold any number where the form holds a row
// of its list; every later step indexes a list with it.
struct RowCheck {
    int FormInput::*row;
    int count;
    const char* message;
};

constexpr RowCheck kRowChecks[] = {
    {&FormInput::monthRow, 12, "The month must be a row from 0 to 11 (January to December)"},
    {&FormInput::dayRow, 31, "The day must be a row from 0 to 30 (day 1 to day 31)"},
    {&FormInput::yearRow, kLastYear - kFirstYear + 1,
     "The year must be a row from 0 to 149 (1901 to 2050)"},
    {&FormInput::hourRow, 24, "The hour must be a row from 0 to 23"},
    {&FormInput::minuteRow, 60, "The minute must be a row from 0 to 59"},
    {&FormInput::secondRow, 60, "The second must be a row from 0 to 59"},
};

static_assert(kLastYear - kFirstYear + 1 == 150 && kTimeZoneCount == 71,
              "the row messages name the lists' last rows");

bool IsRowOf(int row, int count) {
    return row >= 0 && row < count;
}

std::optional<ValidationFailure> CheckRows(const FormInput& form) {
    for (const RowCheck& check : kRowChecks) {
        if (!IsRowOf(form.*check.row, check.count)) {
            return ValidationFailure{check.message, MessageIcon::Critical, FormField::None};
        }
    }
    if (form.zoneRow && !IsRowOf(*form.zoneRow, kTimeZoneCount)) {
        return ValidationFailure{"The time zone must be a row from 0 to 70", MessageIcon::Critical,
                                 FormField::None};
    }
    return std::nullopt;
}

struct RangeCheck {
    const std::string FormInput::*text;
    int largest;
    const char* message;
    FormField focus;
};

// The two blanks before "Minute" are part of the messages users know.
constexpr RangeCheck kCoordinateChecks[] = {
    {&FormInput::lonDegrees, 179, "Please Enter Value Between 0 And 179 in the Degree of Longitude",
     FormField::LonDegrees},
    {&FormInput::lonMinutes, 59, "Please Enter Value Between 0 And 59 in the  Minute of Longitude",
     FormField::LonMinutes},
    {&FormInput::latDegrees, 89, "Please Enter Value Between 0 And 89 in the Degree of Latitude",
     FormField::LatDegrees},
    {&FormInput::latMinutes, 59, "Please Enter Value Between 0 And 59 in the  Minute of Latitude",
     FormField::LatMinutes},
};

constexpr int kFebruaryRow = 1;

// Divisible by four, without the century rule: over 1901..2050 this is the calendar.
bool IsLeapYear(int year) {
    return year % 4 == 0;
}

bool IsThirtyDayMonthRow(int monthRow) {
    return monthRow == 3 || monthRow == 5 || monthRow == 8 || monthRow == 10;
}

}  // namespace

std::optional<ValidationFailure> ValidateBirthData(const FormInput& form) {
    if (auto failure = CheckRows(form)) {
        return failure;
    }
    if (TrimBlanks(form.name).empty()) {
        return ValidationFailure{"Please Enter Name", MessageIcon::Critical, FormField::Name};
    }
    // A register, a birth file or the command line holds what the box would refuse.
    if (auto refusal = FilterNameUtf8(form.name).refusal) {
        refusal->focus = FormField::Name;
        return refusal;
    }
    for (const RangeCheck& check : kCoordinateChecks) {
        const std::optional<int> value = ParseWholeNumber(form.*check.text);
        if (!value || *value < 0 || *value > check.largest) {
            return ValidationFailure{check.message, MessageIcon::Critical, check.focus};
        }
    }
    const int day = form.dayRow + 1;
    const int year = kFirstYear + form.yearRow;
    if (form.monthRow == kFebruaryRow && day > (IsLeapYear(year) ? 29 : 28)) {
        return ValidationFailure{"Please Enter Correct Date Or Month!", MessageIcon::Information,
                                 FormField::None};
    }
    if (IsThirtyDayMonthRow(form.monthRow) && day == 31) {
        return ValidationFailure{"Please Enter Correct Date Or Month !", MessageIcon::Information,
                                 FormField::None};
    }
    return std::nullopt;
}

}  // namespace amsaview
