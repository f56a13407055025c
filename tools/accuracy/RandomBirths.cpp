#include "RandomBirths.h"

#include <random>

namespace accuracy {
namespace {

// mt19937's output is fixed by the standard, its distributions are not;
// the modulo bias is far below anything the table shows.
int Below(std::mt19937& engine, int limit) {
    return static_cast<int>(engine() % static_cast<std::uint32_t>(limit));
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::vector<Birth> RandomBirths(int count, std::uint32_t seed) {
    std::mt19937 engine(seed);
    std::vector<Birth> births;
    births.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Birth b;
        b.year = 1901 + Below(engine, 150);
        b.month = 1 + Below(engine, 12);
        b.day = 1 + Below(engine, DaysInMonth(b.year, b.month));
        b.hour = Below(engine, 24);
        b.minute = Below(engine, 60);
        b.lonDegrees = Below(engine, 180);
        b.lonMinutes = Below(engine, 60);
        b.east = Below(engine, 2) == 0;
        b.latDegrees = Below(engine, 66);
        b.latMinutes = Below(engine, 60);
        b.south = Below(engine, 2) == 0;
        births.push_back(b);
    }
    return births;
}

}  // namespace accuracy
