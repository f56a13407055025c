// The Open dialog over a register of 10,000 births: listing them all from a
// closed register, and one filter query per keystroke.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

#include "register/Register.h"

namespace {

constexpr int kBirthCount = 10000;

const char* const kSyllables[] = {"RA", "MA", "SI", "TA", "DE", "VI", "KU", "AN", "JA", "YA",
                                  "LA", "NI", "SH", "PR", "GO", "PA", "HA", "RI", "SU", "NA"};
const char* const kCities[] = {"Pune",      "Mumbai",  "Delhi",     "Chennai", "Kolkata", "Jaipur",
                               "Varanasi",  "London",  "New York",  "Toronto", "Sydney",  "Durban",
                               "Kathmandu", "Colombo", "Singapore", "Zürich"};

std::string RandomName(std::mt19937& random) {
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
const QString& RegisterPath() {
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
        const auto saved = opened ? store.saveAllNew(births)
                                  : amsaview::RegisterResult<std::vector<amsaview::BirthId>>(
                                        amsaview::RegisterError{opened.error()});
        if (!saved) {
            std::fprintf(stderr, "%s\n", saved.error().toLocal8Bit().constData());
            std::abort();
        }
        return file;
    }();
    return path;
}

void Check(bool ok, benchmark::State& state) {
    if (!ok) {
        state.SkipWithError("the register failed");
    }
}

// From a closed register to the list the Open dialog shows.
void BM_OpenAndListAll(benchmark::State& state) {
    const QString& path = RegisterPath();
    for (auto _ : state) {
        amsaview::Register births;
        Check(births.open(path).ok(), state);
        const auto rows = births.search(QString());
        Check(rows && rows.value().size() == kBirthCount, state);
    }
}
BENCHMARK(BM_OpenAndListAll)->Unit(benchmark::kMillisecond);

void BM_ListAll(benchmark::State& state) {
    amsaview::Register births;
    Check(births.open(RegisterPath()).ok(), state);
    for (auto _ : state) {
        const auto rows = births.search(QString());
        Check(rows && rows.value().size() == kBirthCount, state);
    }
}
BENCHMARK(BM_ListAll)->Unit(benchmark::kMillisecond);

// Each iteration is one keystroke of "ramasi pune 19", the filter growing.
void BM_FilterPerKeystroke(benchmark::State& state) {
    amsaview::Register births;
    Check(births.open(RegisterPath()).ok(), state);
    const QString typed = QStringLiteral("ramasi pune 19");
    qsizetype length = 0;
    for (auto _ : state) {
        length = length % typed.size() + 1;
        const auto rows = births.search(typed.left(length));
        Check(rows.ok(), state);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_FilterPerKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
