// Compares the program's positions with the Swiss Ephemeris (Lahiri):
//   amsaview-accuracy table [COUNT [SEED]]   Markdown table over random births
//   amsaview-accuracy reference YYYY-MM-DD HH:MM
//       both sets of values for one birth at 0E00 0N00 in Greenwich time
// Reports nothing when the library could not use its data files.

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "AccuracyTable.h"
#include "ProgramPositions.h"
#include "RandomBirths.h"
#include "SwissReference.h"

namespace {

constexpr int kDefaultBirths = 10000;
constexpr unsigned kDefaultSeed = 9;

int Usage() {
    std::cerr << "usage: amsaview-accuracy table [COUNT [SEED]]\n"
                 "       amsaview-accuracy reference YYYY-MM-DD HH:MM\n";
    return 2;
}

int PrintTable(int count, unsigned seed) {
    const accuracy::SwissReference swiss;
    accuracy::AccuracyTable table;
    for (const accuracy::Birth& birth : accuracy::RandomBirths(count, seed)) {
        table.Add(accuracy::ComputeProgramPositions(birth), swiss.At(birth));
    }
    std::cout << count << " births 1901-2050, seed " << seed << "\n\n";
    table.Print(std::cout);
    return 0;
}

int PrintReference(const accuracy::Birth& birth) {
    const accuracy::SwissReference swiss;
    const accuracy::RowValues reference = swiss.At(birth);
    const accuracy::RowValues program = accuracy::ComputeProgramPositions(birth).values;
    std::printf("%-10s %16s %16s %10s\n", "row", "swiss", "program", "minutes");
    for (std::size_t row = 0; row < accuracy::kRowCount; ++row) {
        std::printf("%-10s %16.9f %16.9f %10.3f\n", accuracy::kRowNames[row], reference[row],
                    program[row], (program[row] - reference[row]) * 60);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::string mode = argc > 1 ? argv[1] : "";
        if (mode == "table" && argc <= 4) {
            const int count = argc > 2 ? std::stoi(argv[2]) : kDefaultBirths;
            const auto seed = argc > 3 ? static_cast<unsigned>(std::stoul(argv[3])) : kDefaultSeed;
            return count > 0 ? PrintTable(count, seed) : Usage();
        }
        accuracy::Birth birth;
        if (mode == "reference" && argc == 4 &&
            std::sscanf(argv[2], "%d-%d-%d", &birth.year, &birth.month, &birth.day) == 3 &&
            std::sscanf(argv[3], "%d:%d", &birth.hour, &birth.minute) == 2) {
            return PrintReference(birth);
        }
        return Usage();
    } catch (const std::exception& error) {
        std::cerr << "amsaview-accuracy: " << error.what() << "\n";
        return 1;
    }
}
