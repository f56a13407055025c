#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "BirthSamples.h"
#include "register/Register.h"

namespace amsaview {
namespace {

class RegisterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        const auto opened = births_.open(path());
        ASSERT_TRUE(opened) << opened.error().toStdString();
    }
    QString path() const { return folder_.filePath(QStringLiteral("births.sqlite")); }

    BirthId Save(const SavedBirth& birth) {
        const auto id = births_.saveNew(birth);
        EXPECT_TRUE(id) << id.error().toStdString();
        return id ? id.value() : 0;
    }

    std::vector<std::string> Names(const RegisterResult<std::vector<BirthSummary>>& rows) {
        EXPECT_TRUE(rows) << rows.error().toStdString();
        std::vector<std::string> names;
        for (const BirthSummary& row : rows.value()) {
            names.push_back(row.name);
        }
        return names;
    }

    QTemporaryDir folder_;
    Register births_{SteppingClock()};
};

TEST_F(RegisterTest, EveryFieldSurvivesASaveAndAReopening) {
    const std::pair<const char*, SavedBirth> kCases[] = {
        {"largest", LargestBirth()},
        {"smallest", SmallestBirth()},
        {"bound text", Birth("X'); DROP TABLE births; --", 1901, "%_\\")},
    };
    std::vector<BirthId> ids;
    for (const auto& [label, birth] : kCases) {
        ids.push_back(Save(birth));
    }
    Register reopened;
    ASSERT_TRUE(reopened.open(path()));
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const auto& [label, birth] = kCases[i];
        const auto loaded = reopened.load(ids[i]);
        ASSERT_TRUE(loaded) << label << ": " << loaded.error().toStdString();
        SavedBirth expected = birth;
        expected.id = ids[i];
        expected.created = loaded.value().created;
        expected.modified = loaded.value().modified;
        EXPECT_TRUE(loaded.value() == expected) << label;
    }
    EXPECT_EQ(reopened.count().value(), 3);
}

TEST_F(RegisterTest, UpdateKeepsTheCreatedTimeAndDeleteRemoves) {
    const BirthId id = Save(Birth("RAM KUMAR", 1975, "Pune"));
    const BirthId other = Save(Birth("SITA DEVI", 1980, "Mumbai"));
    // The clock reads 10:00:00 for the first save, 10:00:01 for the second, 10:00:02 now.
    SavedBirth changed = LargestBirth();
    ASSERT_TRUE(births_.update(id, changed));

    const SavedBirth loaded = births_.load(id).value();
    EXPECT_EQ(loaded.created, "2024-03-05T10:00:00.000Z");
    EXPECT_EQ(loaded.modified, "2024-03-05T10:00:02.000Z");
    EXPECT_TRUE(loaded.form == changed.form);
    EXPECT_EQ(loaded.note, changed.note);
    EXPECT_EQ(births_.load(other).value().form.name, "SITA DEVI");

    ASSERT_TRUE(births_.remove(id));
    EXPECT_EQ(births_.count().value(), 1);
    const auto gone = births_.load(id);
    ASSERT_FALSE(gone);
    EXPECT_TRUE(gone.error().contains(QStringLiteral("no birth has the number %1").arg(id)))
        << gone.error().toStdString();
    EXPECT_FALSE(births_.update(id, changed));
    EXPECT_FALSE(births_.remove(id));
    EXPECT_FALSE(births_.markOpened(id));
}

TEST_F(RegisterTest, SearchFindsEveryWordInNamePlaceOrYearIgnoringCase) {
    Save(Birth("RAM KUMAR", 1975, "Pune", "India"));
    Save(Birth("SITA DEVI", 1980, "Mumbai", "India"));
    Save(Birth("Zoe\u0308 Ölund", 1975, "Åre", "Sweden"));  // ë written as e + diaeresis
    Save(Birth("O'BRIEN \"JR\"", 2001, "Cork", "Ireland"));
    const std::string zoe = "Zoe\u0308 Ölund";

    struct Case {
        const char* filter;
        std::vector<std::string> names;
    };
    const Case kCases[] = {
        {"", {"O'BRIEN \"JR\"", "RAM KUMAR", "SITA DEVI", zoe}},
        {"ram", {"RAM KUMAR"}},
        {"PUNE", {"RAM KUMAR"}},
        {"india", {"RAM KUMAR", "SITA DEVI"}},
        {"1975", {"RAM KUMAR", zoe}},
        {"197", {"RAM KUMAR", zoe}},
        {"  sita   mumbai ", {"SITA DEVI"}},
        {"kumar 1975 pune", {"RAM KUMAR"}},
        {"ram 1980", {}},
        {"ZOË", {zoe}},  // one composed character finds the decomposed one
        {"ölund åre", {zoe}},
        {"'", {"O'BRIEN \"JR\""}},
        {"\"jr\"", {"O'BRIEN \"JR\""}},
        {"%", {}},
        {"_", {}},
        {"punemumbai", {}},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(Names(births_.search(QString::fromUtf8(c.filter))), c.names)
            << "filter \"" << c.filter << "\"";
    }
}

TEST_F(RegisterTest, SummaryRowsCarryCalendarDateTimeAndPlace) {
    SavedBirth birth = Birth("RAM KUMAR", 1975, "Pune", "India");
    birth.form.state = "Maharashtra";
    birth.form.secondRow = 30;
    const BirthId id = Save(birth);
    const auto rows = births_.search(QString());
    ASSERT_EQ(rows.value().size(), 1u);
    const BirthSummary expected{id, "RAM KUMAR", 1975,          3,      7, 9, 5,
                                30, "Pune",      "Maharashtra", "India"};
    EXPECT_TRUE(rows.value().front() == expected);
}

TEST_F(RegisterTest, RecentBirthsAreTheFiveLastOpenedOrSaved) {
    const char* const kNames[] = {"A", "B", "C", "D", "E", "F", "G"};
    std::vector<BirthId> ids;
    for (const char* name : kNames) {
        ids.push_back(Save(Birth(name, 2000, "")));
    }
    EXPECT_EQ(Names(births_.recent()), (std::vector<std::string>{"G", "F", "E", "D", "C"}));

    ASSERT_TRUE(births_.markOpened(ids[0]));
    ASSERT_TRUE(births_.update(ids[1], Birth("B", 2001, "")));
    EXPECT_EQ(Names(births_.recent()), (std::vector<std::string>{"B", "A", "G", "F", "E"}));

    ASSERT_TRUE(births_.remove(ids[0]));
    EXPECT_EQ(Names(births_.recent()), (std::vector<std::string>{"B", "G", "F", "E", "D"}));
}

TEST_F(RegisterTest, ImportSkipsWhatIsSavedAlreadyAndStaysOutOfTheRecentBirths) {
    Save(Birth("A", 1950, "Pune"));
    SavedBirth sameWithANote = Birth("A", 1950, "Pune");
    sameWithANote.note = "from the old file";
    SavedBirth aSecondLater = Birth("A", 1950, "Pune");
    aSecondLater.form.secondRow += 1;
    SavedBirth otherClock = Birth("A", 1950, "Pune");
    otherClock.form.dst = !otherClock.form.dst;
    const auto imported =
        births_.importNew({Birth("A", 1950, "Pune"), sameWithANote, aSecondLater, otherClock,
                           Birth("B", 1960, ""), Birth("B", 1960, "")});
    ASSERT_TRUE(imported) << imported.error().toStdString();
    EXPECT_EQ(imported.value().ids.size(), 3u);
    EXPECT_EQ(imported.value().alreadySaved, 3);
    EXPECT_EQ(births_.load(imported.value().ids[2]).value().form.name, "B");
    EXPECT_EQ(births_.count().value(), 4);
    EXPECT_EQ(Names(births_.recent()), std::vector<std::string>{"A"});

    const auto again = births_.importNew({aSecondLater, Birth("B", 1960, "")});
    ASSERT_TRUE(again);
    EXPECT_TRUE(again.value().ids.empty());
    EXPECT_EQ(again.value().alreadySaved, 2);
}

TEST_F(RegisterTest, RemoveAllDeletesAllOrNone) {
    const BirthId a = Save(Birth("A", 1950, ""));
    const BirthId b = Save(Birth("B", 1960, ""));
    Save(Birth("C", 1970, ""));
    const auto missing = births_.removeAll({a, b + 100});
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().contains(QString::number(b + 100)))
        << missing.error().toStdString();
    EXPECT_EQ(births_.count().value(), 3);
    ASSERT_TRUE(births_.removeAll({a, b}));
    EXPECT_EQ(Names(births_.search(QString())), std::vector<std::string>{"C"});
}

TEST(RegisterClosed, EveryOperationFailsWithAMessage) {
    Register closed;
    EXPECT_FALSE(closed.isOpen());
    for (const QString& error :
         {closed.saveNew(SmallestBirth()).error(), closed.load(1).error(),
          closed.search(QString()).error(), closed.count().error(), closed.remove(1).error()}) {
        EXPECT_EQ(error, QStringLiteral("The register of births is not open."));
    }
}

}  // namespace
}  // namespace amsaview
