#include "AccuracyTable.h"

#include <algorithm>
#include <cmath>
#include <iomanip>

namespace accuracy {
namespace {

double WrapSigned(double degrees) {
    while (degrees > 180) {
        degrees -= 360;
    }
    while (degrees <= -180) {
        degrees += 360;
    }
    return degrees;
}

int PartOfZodiac(double sidereal, double partDegrees) {
    return static_cast<int>(std::floor(sidereal / partDegrees));
}

constexpr double kPadaDegrees = 10.0 / 3;

// The standard Navamsa: the 108 padas count through the signs from Aries.
int StandardNavamsa(double sidereal) {
    return PartOfZodiac(sidereal, kPadaDegrees) % 12;
}

// Nearest-rank percentile of sorted values.
double Percentile(const std::vector<double>& sorted, double share) {
    const auto rank =
        static_cast<std::size_t>(std::ceil(share * static_cast<double>(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

}  // namespace

void AccuracyTable::Add(const ProgramPositions& program, const RowValues& reference) {
    ++births_;
    for (std::size_t row = 0; row < kRowCount; ++row) {
        const double ours = program.values[row];
        const double theirs = reference[row];
        errorMinutes_[row].push_back(std::fabs(WrapSigned(ours - theirs)) * 60);
        if (row == kAyanamsaRow) {
            continue;
        }
        auto& differs = differs_[row];
        differs[kSign] += PartOfZodiac(ours, 30) != PartOfZodiac(theirs, 30);
        differs[kNakshatra] += PartOfZodiac(ours, 40.0 / 3) != PartOfZodiac(theirs, 40.0 / 3);
        differs[kPada] += PartOfZodiac(ours, kPadaDegrees) != PartOfZodiac(theirs, kPadaDegrees);
        // The program draws no ascendant in its Navamsa chart.
        const int ourNavamsa = row < kBodyRows ? program.drawnNavamsa[row] : StandardNavamsa(ours);
        differs[kNavamsa] += ourNavamsa != StandardNavamsa(theirs);
    }
}

void AccuracyTable::Print(std::ostream& out) const {
    out << "| Body | median ′ | p99 ′ | max ′ | sign | nakshatra | pada | Navamsa |\n"
        << "|---|---:|---:|---:|---:|---:|---:|---:|\n";
    out << std::fixed;
    for (std::size_t row = 0; row < kRowCount; ++row) {
        std::vector<double> sorted = errorMinutes_[row];
        std::sort(sorted.begin(), sorted.end());
        const int digits = row == kAyanamsaRow ? 3 : 2;
        out << "| " << kRowNames[row] << std::setprecision(digits) << " | "
            << Percentile(sorted, 0.5) << " | " << Percentile(sorted, 0.99) << " | "
            << sorted.back();
        for (int division = 0; division < kDivisionCount; ++division) {
            if (row == kAyanamsaRow) {
                out << " | –";
                continue;
            }
            out << " | " << std::setprecision(2)
                << 100.0 * differs_[row][static_cast<std::size_t>(division)] / births_ << " %";
        }
        out << " |\n";
    }
}

}  // namespace accuracy
