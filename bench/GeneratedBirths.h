#pragma once

// A register of 10,000 generated births, made once per run in a temporary
// folder, for the benchmarks of the register and of the Open dialog.
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "register/Register.h"

namespace amsaview::bench {

inline constexpr int kBirthCount = 10000;

inline const char* const kSyllables[] = {"RA", "MA", "SI", "TA", "DE", "VI", "KU",
                                         "AN", "JA", "YA", "LA", "NI", "SH", "PR",
                                         "GO", "PA", "HA", "RI", "SU", "NA"};
inline const char* const kCities[] = {
    "Pune",     "Mumbai",  "Delhi",  "Chennai", "Kolkata",   "Jaipur",  "Varanasi",  "London",
    "New York", "Toronto", "Sydney", "Durban",  "Kathmandu", "Colombo", "Singapore", "Zürich"};

inline std::string RandomName(std::mt19937& random) {
    std::uniform_int_distribution<int> syllable(0, std::size(kSyllables) - 1);
    std::string name;
    for (int word = 0; word < 2; ++word) {
        if (word > 0) {
            name += ' ';
        }
        for (int part = 0; part < 3; ++part) {
            name += kSyllables[syllable(random)];
        }
    }
    return name;
}

// One register of 10,000 births for the whole run, made in a temporary folder.
inline const QString& RegisterPath() {
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("births.sqlite"));
        std::mt19937 random(14);
        std::vector<amsaview::SavedBirth> births(kBirthCount);
        for (amsaview::SavedBirth& birth : births) {
            birth.form.name = RandomName(random);
            birth.form.yearRow = std::uniform_int_distribution<int>(0, 149)(random);
            birth.form.monthRow = std::uniform_int_distribution<int>(0, 11)(random);
            birth.form.dayRow = std::uniform_int_distribution<int>(0, 27)(random);
            birth.form.hourRow = std::uniform_int_distribution<int>(0, 23)(random);
            birth.form.city =
                kCities[std::uniform_int_distribution<int>(0, std::size(kCities) - 1)(random)];
            birth.form.country = "Somewhere";
            birth.note = "A note of some length about this person, kept with the birth.";
        }
        amsaview::Register store;
        const auto opened = store.open(file);
        const auto saved = opened ? store.importNew(births)
                                  : amsaview::RegisterResult<amsaview::ImportCount>(
                                        amsaview::RegisterError{opened.error()});
        if (!saved) {
            std::fprintf(stderr, "%s\n", saved.error().toLocal8Bit().constData());
            std::abort();
        }
        return file;
    }();
    return path;
}

}  // namespace amsaview::bench
