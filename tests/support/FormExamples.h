#pragma once

#include "model/FormInput.h"

namespace amsaview::testing {

// A form filled as a user would: the given date and time, 77° 12' East,
// 28° 36' North, Indian time.
inline FormInput DelhiForm(int year, int month, int day, int hour, int minute) {
    FormInput form;
    form.name = "RAM KUMAR";
    form.yearRow = year - kFirstYear;
    form.monthRow = month - 1;
    form.dayRow = day - 1;
    form.hourRow = hour;
    form.minuteRow = minute;
    form.lonDegrees = "77";
    form.lonMinutes = "12";
    form.latDegrees = "28";
    form.latMinutes = "36";
    form.city = "New Delhi";
    form.state = "Delhi";
    form.country = "India";
    form.zoneRow = 34;
    return form;
}

// Noon on 2000-01-01 at 0° 0', Greenwich Mean Time.
inline FormInput GreenwichNoonJ2000() {
    FormInput form = DelhiForm(2000, 1, 1, 12, 0);
    form.lonDegrees = "0";
    form.lonMinutes = "0";
    form.latDegrees = "0";
    form.latMinutes = "0";
    form.zoneRow = 29;
    return form;
}

}  // namespace amsaview::testing
