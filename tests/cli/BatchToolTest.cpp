#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/BirthReader.h"
#include "support/RunChartTool.h"

namespace amsaview {
namespace {

using testing::RunChartTool;
using testing::ToolRun;

constexpr char kHeader[] = "name,date,time,lon,lat,zone,dst,city,state,country\n";

class BatchTool : public ::testing::Test {
  protected:
    QString Write(const char* fileName, const QByteArray& content) {
        const QString path = directory_.filePath(QLatin1String(fileName));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QTemporaryDir directory_;
};

QList<QByteArray> Lines(const QByteArray& out) {
    QList<QByteArray> lines = out.split('\n');
    EXPECT_TRUE(lines.takeLast().isEmpty()) << "the output ends with a newline";
    return lines;
}

QJsonObject Object(const QByteArray& line) {
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(line, &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
    return object;
}

// What the single-birth mode prints for the same birth, on one line with the
// line number: the batch must print exactly this.
QByteArray SingleModeLine(const QStringList& arguments, int line) {
    const ToolRun run = RunChartTool(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonObject object = Object(run.out);
    object.insert(QStringLiteral("line"), line);
    object.remove(QStringLiteral("timeWindows"));  // a batch line has them with --windows only
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

TEST_F(BatchTool, QuotedFieldsKeepCommasQuotesAndLineBreaks) {
    const QString path = Write("quoted.csv", QByteArray(kHeader) +
                                                 "\"ANNA MARIA\",1982-07-14,23:40,13E24,52N31,20,1,"
                                                 "\"Berlin, \"\"Mitte\"\"\",,Germany\n"
                                                 "BOB,2000-01-01,12:00,0E00,0N00,,,\"two\nlines\","
                                                 "x,y\n"
                                                 "CARL,1975-03-07,09:05,77E12,28N36,34,0,Pune,,\n");
    const ToolRun run = RunChartTool({"--batch", path, "--jobs", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0],
              SingleModeLine({"--name", "ANNA MARIA", "--date", "1982-07-14", "--time", "23:40",
                              "--lon", "13E24", "--lat", "52N31", "--zone", "20", "--dst", "--city",
                              "Berlin, \"Mitte\"", "--country", "Germany"},
                             2));
    EXPECT_EQ(lines[1], SingleModeLine({"--name", "BOB", "--date", "2000-01-01", "--time", "12:00",
                                        "--lon", "0E00", "--lat", "0N00", "--city", "two\nlines",
                                        "--state", "x", "--country", "y"},
                                       3));
    // The record before spans lines 3 and 4.
    EXPECT_EQ(Object(lines[2])["line"].toInt(), 5);
    EXPECT_TRUE(run.err.contains("3 rows, 3 charted, 0 failed")) << run.err.toStdString();
}

TEST_F(BatchTool, RowsTakeTheNamesTheFormTakes) {
    const QString path = Write("names.csv", QByteArray(kHeader) +
                                                "jos\xC3\xA9 o'brien-smith,2000-01-01,12:00,0E00,"
                                                "0N00,,,,,\n"
                                                "NG.,2000-01-01,12:00,0E00,0N00,,,,,\n"
                                                "NO #1,2000-01-01,12:00,0E00,0N00,,,,,\n");
    const ToolRun run = RunChartTool({"--batch", path, "--jobs", "1"});
    const QList<QByteArray> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3) << run.err.toStdString();
    EXPECT_EQ(Object(lines[0])["lblName"].toString(), QString::fromUtf8("JOS\u00c9 O'BRIEN-SMITH"));
    EXPECT_EQ(Object(lines[1])["lblName"].toString(), "NG.");
    EXPECT_EQ(Object(lines[2])["error"].toString(), "Please Enter only Letters");
}

TEST_F(BatchTool, BadRowsGetTheSingleModesMessageAndStatusThree) {
    const QString path = Write("mixed.csv", QByteArray(kHeader) +
                                                "GOOD,2000-01-01,12:00,0E00,0N00,,,,,\n"
                                                "R2D2,2000-01-01,12:00,0E00,0N00,,,,,\n"
                                                "\n"
                                                "BAD DATE,2001-04-31,12:00,77E12,28N36,,,,,\n"
                                                "SHORT,2000-01-01\n"
                                                ",2000-01-01,12:00,0E00,0N00,,,,,\n"
                                                "BAD ZONE,2000-01-01,12:00,0E00,0N00,99,,,,\n"
                                                "GOOD TOO,2000-01-01,12:00,0E00,0N00,,no,,,\n");
    const ToolRun run = RunChartTool({"--batch", path});
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    const QList<QByteArray> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 7);
    struct Expected {
        int line;
        const char* error;  // nullptr: charted
    };
    constexpr Expected kExpected[] = {
        {2, nullptr},
        {3, "Please Enter only Letters"},
        {5, "Please Enter Correct Date Or Month !"},
        {6, "the row has 2 fields, the header 10"},
        {7, "Missing option --name"},
        {8, "--zone must be a row from 0 to 70"},
        {9, nullptr},
    };
    for (int i = 0; i < 7; ++i) {
        const QJsonObject object = Object(lines[i]);
        EXPECT_EQ(object["line"].toInt(), kExpected[i].line) << i;
        if (kExpected[i].error) {
            EXPECT_EQ(object.size(), 2) << lines[i].toStdString();
            EXPECT_EQ(object["error"].toString(), QLatin1String(kExpected[i].error))
                << kExpected[i].line;
        } else {
            EXPECT_TRUE(object.contains("planet")) << kExpected[i].line;
        }
    }
    // The single-birth mode says the same about the same value.
    const ToolRun single = RunChartTool({"--name", "A", "--date", "2001-04-31", "--time", "12:00",
                                         "--lon", "77E12", "--lat", "28N36"});
    EXPECT_TRUE(single.err.contains("Please Enter Correct Date Or Month !"));
    EXPECT_TRUE(run.err.contains("7 rows, 2 charted, 5 failed")) << run.err.toStdString();
}

TEST_F(BatchTool, JsonLines) {
    const QString path =
        Write("births.jsonl",
              "{\"name\":\"ANNA\",\"date\":\"1982-07-14\",\"time\":\"23:40\",\"lon\":\"13E24\","
              "\"lat\":\"52N31\",\"zone\":20,\"dst\":true,\"city\":\"Berlin, \\\"Mitte\\\"\"}\n"
              "\n"
              "{\"name\":\"BOB\",\"date\":\"2000-01-01\",\"time\":\"12:00\",\"lon\":\"0E00\","
              "\"lat\":\"0N00\",\"zone\":null,\"dst\":false}\n"
              "{\"name\":\"X\",\"colour\":\"red\"}\n"
              "{\"name\":\"X\",\"zone\":1.5}\n"
              "[1,2]\n"
              "{\"name\":\"X\"\n"
              "{\"name\":\"A\",\"date\":\"2000-01-01\",\"time\":\"12:00\",\"lon\":\"0E00\","
              "\"lat\":\"0N00\",\"dst\":\"often\"}\n");
    const ToolRun run = RunChartTool({"--batch", path});
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    const QList<QByteArray> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], SingleModeLine({"--name", "ANNA", "--date", "1982-07-14", "--time", "23:40",
                                        "--lon", "13E24", "--lat", "52N31", "--zone", "20", "--dst",
                                        "--city", "Berlin, \"Mitte\""},
                                       1));
    EXPECT_EQ(lines[1], SingleModeLine({"--name", "BOB", "--date", "2000-01-01", "--time", "12:00",
                                        "--lon", "0E00", "--lat", "0N00"},
                                       3));
    const std::pair<int, const char*> kErrors[] = {
        {4, "unknown key \"colour\""},
        {5, "the value of \"zone\" must be text, a whole number, true, false or null"},
        {6, "the line is not one JSON object"},
        {7, "the line is not JSON: "},
        {8, "--dst must be 1, true or yes, or 0, false or no"},
    };
    for (int i = 0; i < 5; ++i) {
        const QJsonObject object = Object(lines[2 + i]);
        EXPECT_EQ(object["line"].toInt(), kErrors[i].first);
        EXPECT_TRUE(object["error"].toString().startsWith(QLatin1String(kErrors[i].second)))
            << object["error"].toString().toStdString();
    }
}

TEST_F(BatchTool, SeveralJobsKeepTheInputOrder) {
    QByteArray csv = kHeader;
    constexpr int kRows = 5000;  // several chunks of every job
    for (int i = 0; i < kRows; ++i) {
        csv += QStringLiteral("P,%1-%2-%3,%4:%5,%6E%7,%8N%9,,,,,\n")
                   .arg(1901 + i % 150)
                   .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                   .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                   .arg(i % 24)
                   .arg(i % 60, 2, 10, QLatin1Char('0'))
                   .arg(i % 180)
                   .arg(i % 60)
                   .arg(i % 90)
                   .arg(i % 60)
                   .toLatin1();
    }
    const QString path = Write("many.csv", csv);
    const ToolRun one = RunChartTool({"--batch", path, "--jobs", "1"});
    const ToolRun three = RunChartTool({"--batch", path, "--jobs", "3"});
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    ASSERT_EQ(three.exitCode, 0) << three.err.toStdString();
    const QList<QByteArray> lines = Lines(three.out);
    ASSERT_EQ(lines.size(), kRows);
    for (int i = 0; i < kRows; i += 499) {
        EXPECT_EQ(Object(lines[i])["line"].toInt(), i + 2) << i;
    }
    EXPECT_EQ(three.out, one.out);
}

TEST_F(BatchTool, UnreadableInputGivesStatusTwo) {
    struct Case {
        const char* fileName;
        QByteArray content;
        const char* message;
    };
    const Case kCases[] = {
        {"empty.csv", "", "a header row naming the columns is needed"},
        {"typo.csv", "name,date,time,lon,lat,cty\n", "unknown column \"cty\" in the header"},
        {"twice.csv", "name,date,time,lon,lat,name\n", "the column \"name\" appears twice"},
        {"nodate.csv", "name,time,lon,lat\n", "the header has no column \"date\""},
        {"latin1.csv", QByteArray(kHeader) + "A,2000-01-01,12:00,0E00,0N00,,,K\xF6ln,,\n",
         "line 2 is not UTF-8"},
        {"latin1.jsonl", "{\"name\":\"K\xF6ln\"}\n", "line 1 is not UTF-8"},
        {"quote.csv", QByteArray(kHeader) + "A,2000-01-01,12:00,0E00,0N00,,,\"open,,\n",
         "the quoted field that starts on line 2 is not closed"},
    };
    for (const Case& c : kCases) {
        const ToolRun run = RunChartTool({"--batch", Write(c.fileName, c.content)});
        EXPECT_EQ(run.exitCode, 2) << c.fileName;
        EXPECT_TRUE(run.err.contains(c.message)) << c.fileName << ": " << run.err.toStdString();
    }
    const ToolRun missing = RunChartTool({"--batch", directory_.filePath("none.csv")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains("cannot open")) << missing.err.toStdString();
    EXPECT_TRUE(missing.out.isEmpty());
}

TEST_F(BatchTool, HeaderOnlyIsNoRowsAndSuccess) {
    const ToolRun csv = RunChartTool({"--batch", "-"}, kHeader);
    EXPECT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    EXPECT_TRUE(csv.out.isEmpty());
    EXPECT_TRUE(csv.err.contains("0 rows, 0 charted, 0 failed")) << csv.err.toStdString();
    const ToolRun jsonLines = RunChartTool({"--batch", "-", "--format", "jsonl"}, "");
    EXPECT_EQ(jsonLines.exitCode, 0) << jsonLines.err.toStdString();
}

TEST_F(BatchTool, LostOutputGivesStatusOne) {
    const ToolRun run = RunChartTool({"--batch", QStringLiteral(AMSAVIEW_DOCS) + "/births.csv"}, {},
                                     QStringLiteral("/dev/full"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("the output could not be written")) << run.err.toStdString();
}

// Rows after a line that cannot be read are not charted; those before are
// written, and the line is named.
TEST_F(BatchTool, JsonLinesLineNotUtf8StopsWithStatusTwoAfterTheRowsBefore) {
    const QByteArray good =
        R"({"name":"A","date":"2000-01-01","time":"12:00","lon":"0E00","lat":"0N00"})"
        "\n";
    const ToolRun run = RunChartTool({"--batch", Write("bad.jsonl", good +
                                                                        "{\"name\":\"R\xFF"
                                                                        "AM\"}\n" +
                                                                        good + good)});
    EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("line 2 is not UTF-8")) << run.err.toStdString();
    const QList<QByteArray> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(Object(lines[0])["line"].toInt(), 1);
}

// Runs the tool with the default action for SIGPIPE and its standard output a
// pipe whose reader is already gone, as after `| head -1`.
ToolRun RunIntoClosedPipe(const QStringList& arguments, const QString& errFile) {
    std::vector<std::string> words = {AMSAVIEW_CHART_TOOL};
    for (const QString& argument : arguments) {
        words.push_back(argument.toStdString());
    }
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    int ends[2];
    EXPECT_EQ(pipe(ends), 0);
    close(ends[0]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, ends[1]);
    const QByteArray errPath = QFile::encodeName(errFile);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &pipeSignal);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t child = 0;
    EXPECT_EQ(posix_spawn(&child, argv[0], &actions, &attributes, argv.data(), environ), 0);
    close(ends[1]);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    QFile err(errFile);
    EXPECT_TRUE(err.open(QIODevice::ReadOnly));
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), {}, err.readAll()};
}

TEST_F(BatchTool, AClosedPipeIsLostOutputWithStatusOne) {
    const QString example = QStringLiteral(AMSAVIEW_DOCS) + "/births.csv";
    const QStringList kRuns[] = {
        {"--batch", example},
        {"--name", "A", "--date", "2000-01-01", "--time", "12:00", "--lon", "0E00", "--lat",
         "0N00"},
    };
    for (const QStringList& arguments : kRuns) {
        const ToolRun run = RunIntoClosedPipe(arguments, directory_.filePath("err.txt"));
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("the output could not be written: Broken pipe"))
            << run.err.toStdString();
    }
}

// The README's example: every row as the single-birth mode prints it.
TEST_F(BatchTool, ExampleFileMatchesTheSingleBirthMode) {
    const QString example = QStringLiteral(AMSAVIEW_DOCS) + "/births.csv";
    const ToolRun run = RunChartTool({"--batch", example});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 10);

    std::FILE* file = std::fopen(QFile::encodeName(example).constData(), "rb");
    ASSERT_NE(file, nullptr);
    const auto reader = OpenBirthReader(file, BatchFormat::Csv);
    BatchRow row;
    for (const QByteArray& line : lines) {
        ASSERT_TRUE(reader->Next(row));
        QStringList arguments;
        for (std::size_t i = 0; i < kBirthFieldNames.size(); ++i) {
            const auto& value = row.fields.values[i];
            const QString option = QStringLiteral("--") + QLatin1String(kBirthFieldNames[i]);
            if (value && option == QLatin1String("--dst")) {
                arguments << option;
            } else if (value) {
                arguments << option << QString::fromStdString(*value);
            }
        }
        EXPECT_EQ(line, SingleModeLine(arguments, static_cast<int>(row.line)));
    }
    std::fclose(file);
}

}  // namespace
}  // namespace amsaview
