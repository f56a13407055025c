#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "cli/BatchRun.h"
#include "cli/BirthReader.h"
#include "cli/LineSource.h"
#include "cli/ParseBirth.h"

namespace amsaview {
namespace {

constexpr char kHeader[] = "name,date,time,lon,lat,zone\n";
constexpr char kCsvRow[] = "A,2000-01-01,12:00,0E00,0N00,29\n";
constexpr char kJsonRow[] =
    R"({"name":"A","date":"2000-01-01","time":"12:00","lon":"0E00","lat":"0N00"})"
    "\n";

// Every row a reader gives for `text`, then what stopped it.
struct ReadOut {
    std::vector<BatchRow> rows;
    std::string inputError;
};

ReadOut ReadAll(const std::string& text, BatchFormat format) {
    std::FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
    EXPECT_NE(file, nullptr);
    ReadOut out;
    const auto reader = OpenBirthReader(file, format);
    BatchRow row;
    while (reader->inputError().empty() && reader->Next(row)) {
        out.rows.push_back(row);
    }
    // Asked again after it stopped, a reader must not go on past the fault.
    EXPECT_FALSE(reader->Next(row)) << "a row after the stop, line " << row.line;
    out.inputError = reader->inputError();
    std::fclose(file);
    return out;
}

std::vector<long> LinesOf(const ReadOut& out) {
    std::vector<long> lines;
    for (const BatchRow& row : out.rows) {
        lines.push_back(row.line);
    }
    return lines;
}

TEST(BirthReader, JsonLinesStopsAtALineThatIsNotUtf8) {
    const std::string text = std::string(kJsonRow) +
                             "{\"name\":\"R\xFF"
                             "AM\"}\n" +
                             kJsonRow + kJsonRow;
    const ReadOut out = ReadAll(text, BatchFormat::JsonLines);
    EXPECT_EQ(LinesOf(out), std::vector<long>{1});
    EXPECT_EQ(out.inputError, "line 2 is not UTF-8");
}

// A line past the limit stops the run, named, in both formats: its tail is
// never read as a row of its own, nor are later rows numbered wrongly.
TEST(BirthReader, ALineOverTheLimitStopsTheRunAndIsNamed) {
    const std::string longName(LineSource::kLongestLine + 100'000, 'X');
    struct Case {
        BatchFormat format;
        std::string text;
    };
    const Case kCases[] = {
        {BatchFormat::JsonLines,
         std::string(kJsonRow) + "{\"name\":\"" + longName + "\"}\n" + kJsonRow},
        {BatchFormat::JsonLines,
         std::string(kJsonRow) + "{\"name\":\"" + longName + longName + "\"}\n" + kJsonRow},
        {BatchFormat::Csv, std::string(kHeader) + kCsvRow + longName + ",,,,,\n" + kCsvRow},
    };
    for (const Case& c : kCases) {
        const ReadOut out = ReadAll(c.text, c.format);
        const long goodLine = c.format == BatchFormat::Csv ? 2 : 1;
        EXPECT_EQ(LinesOf(out), std::vector<long>{goodLine}) << c.text.size();
        EXPECT_EQ(out.inputError,
                  "line " + std::to_string(goodLine + 1) + " is longer than 1048576 bytes");
    }
}

// Old Mac files end lines in a lone CR; a CRLF cut by the reader's 64 KiB
// block is still one line end.
TEST(BirthReader, EveryKindOfLineEndIsCounted) {
    const std::string crOnly =
        "name,date,time,lon,lat,zone\rA,2000-01-01,12:00,0E00,0N00,29\r"
        "\"B\rC\",2000-01-01,12:00,0E00,0N00,29\rD,2000-01-01,12:00,0E00,"
        "0N00,29";
    EXPECT_EQ(LinesOf(ReadAll(crOnly, BatchFormat::Csv)), (std::vector<long>{2, 3, 5}));

    const std::string jsonRow = std::string(kJsonRow).substr(0, sizeof(kJsonRow) - 2);
    EXPECT_EQ(LinesOf(ReadAll(jsonRow + "\r" + jsonRow + "\r\r" + jsonRow, BatchFormat::JsonLines)),
              (std::vector<long>{1, 2, 4}));

    constexpr std::size_t kBlock = 1 << 16;
    const std::string fields = ",2000-01-01,12:00,0E00,0N00,29";
    const std::string header = kHeader;
    const std::string row =
        "P" + std::string(kBlock - 1 - header.size() - 1 - fields.size(), 'A') + fields;
    const std::string cut = header + row + "\r\n" + kCsvRow;
    ASSERT_EQ(cut.find('\r'), kBlock - 1) << "the CR must end the first block";
    const ReadOut out = ReadAll(cut, BatchFormat::Csv);
    EXPECT_EQ(LinesOf(out), (std::vector<long>{2, 3})) << out.inputError;
}

TEST(BirthReader, AQuotedRecordIsCappedAtTheLineLimit) {
    std::string text = std::string(kHeader) + kCsvRow + "\"open";
    while (text.size() < LineSource::kLongestLine + 1000) {
        text += "a short line inside the quotes\n";
    }
    const ReadOut out = ReadAll(text, BatchFormat::Csv);
    EXPECT_EQ(LinesOf(out), std::vector<long>{2});
    EXPECT_EQ(out.inputError, "the record that starts on line 3 is longer than 1048576 bytes");
}

// What CSV and JSON Lines share: a name given twice is refused, and a value
// means what its text says in both.
TEST(BirthReader, CsvAndJsonLinesFollowOneRule) {
    const ReadOut twice =
        ReadAll("{\"name\":\"A\",\"name\":\"B\"}\n{\"zone\":null,\"zone\":3}\nnull\n",
                BatchFormat::JsonLines);
    ASSERT_EQ(twice.rows.size(), 3U);
    EXPECT_EQ(twice.rows[0].error, "the key \"name\" appears twice");
    EXPECT_EQ(twice.rows[1].error, "the key \"zone\" appears twice");
    EXPECT_EQ(twice.rows[2].error, "the line is not one JSON object");

    const ReadOut csv =
        ReadAll(std::string(kHeader) + "A,2000-01-01,12:00,0E00,0N00,-0\n", BatchFormat::Csv);
    const ReadOut json = ReadAll(
        R"({"name":"A","date":"2000-01-01","time":"12:00","lon":"0E00","lat":"0N00","zone":-0})",
        BatchFormat::JsonLines);
    ASSERT_EQ(csv.rows.size(), 1U);
    ASSERT_EQ(json.rows.size(), 1U);
    const auto fromCsv = ParseBirth(csv.rows[0].fields);
    const auto fromJson = ParseBirth(json.rows[0].fields);
    ASSERT_TRUE(std::holds_alternative<std::string>(fromCsv));
    ASSERT_TRUE(std::holds_alternative<std::string>(fromJson));
    EXPECT_EQ(std::get<std::string>(fromJson), std::get<std::string>(fromCsv));
}

// Two chunks are held at once; more jobs share them rather than add to them.
TEST(BatchRun, RowsInFlightStayBoundedWhateverTheJobs) {
    for (const unsigned jobs : {1U, 2U, 64U, 256U}) {
        EXPECT_LE(2 * RowsPerChunk(jobs), kRowsInFlight) << jobs << " jobs";
        EXPECT_GE(RowsPerChunk(jobs), jobs) << "a job without a row, " << jobs << " jobs";
    }
}

}  // namespace
}  // namespace amsaview
