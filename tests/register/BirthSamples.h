#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

#include "register/Register.h"
#include "register/SavedBirth.h"
#include "support/FormExamples.h"

namespace amsaview {

// A line box holds 32767 characters; these fill it with quotes, accents,
// Devanagari and a character outside the Basic Multilingual Plane.
inline std::string FullLineBox(const char* word) {
    const QString pattern = QString::fromUtf8(word) + QString::fromUtf8(" O'Brien \"Zoë\" नमस्ते 𝄞;");
    QString text;
    while (text.size() < 32767) {
        text += pattern;
    }
    text.truncate(32767);
    if (text.back().isHighSurrogate()) {
        text.back() = u'x';
    }
    return text.toStdString();
}

// Every list at its last row, every box full, every option away from its default.
inline SavedBirth LargestBirth() {
    SavedBirth birth;
    birth.form.name = FullLineBox("NAME");
    birth.form.monthRow = 11;
    birth.form.dayRow = 30;
    birth.form.yearRow = 149;
    birth.form.hourRow = 23;
    birth.form.minuteRow = 59;
    birth.form.secondRow = 59;
    birth.form.lonDegrees = "999";
    birth.form.lonMinutes = "99";
    birth.form.east = false;
    birth.form.latDegrees = "99";
    birth.form.latMinutes = "99";
    birth.form.south = true;
    birth.form.city = FullLineBox("CITY");
    birth.form.state = FullLineBox("STATE");
    birth.form.country = FullLineBox("COUNTRY");
    birth.form.zoneRow = 70;
    birth.form.dst = true;
    birth.form.exactClock =
        ExactClock{64800, "Local Mean Time, +18:00", "America/Argentina/ComodRivadavia"};
    birth.note = "First line\nsecond line with 'quotes', \"doubles\", 100% and _ and \\ 𝄞";
    return birth;
}

// Every list at its first row, every box empty, nothing optional set.
inline SavedBirth SmallestBirth() {
    SavedBirth birth;
    birth.form.monthRow = 0;
    birth.form.zoneRow = std::nullopt;
    birth.form.east = false;
    return birth;
}

inline SavedBirth Birth(const char* name, int year, const char* city, const char* country = "") {
    SavedBirth birth;
    birth.form = testing::DelhiForm(year, 3, 7, 9, 5);
    birth.form.name = name;
    birth.form.city = city;
    birth.form.state.clear();
    birth.form.country = country;
    return birth;
}

// Picked from the atlas: in 1901 Madras kept its own time, 5:21:10 ahead of
// UT, which no row of the zone list gives.
inline SavedBirth MadrasBirth() {
    SavedBirth birth = Birth("MADRAS 1901", 1901, "Chennai", "India");
    birth.form.monthRow = 0;
    birth.form.dayRow = 0;
    birth.form.state = "Tamil Nadu";
    birth.form.lonDegrees = "80";
    birth.form.lonMinutes = "17";
    birth.form.latDegrees = "13";
    birth.form.latMinutes = "5";
    birth.form.exactClock =
        ExactClock{5 * 3600 + 21 * 60 + 10, "Asia/Kolkata +05:21:10 (MMT)", "Asia/Kolkata"};
    return birth;
}

// A clock that moves one second per reading from 2024-03-05 10:00:00 UTC.
inline Register::Clock SteppingClock() {
    auto readings = std::make_shared<int>(0);
    return [readings] {
        return QDateTime(QDate(2024, 3, 5), QTime(10, 0), Qt::UTC).addSecs((*readings)++);
    };
}

}  // namespace amsaview
