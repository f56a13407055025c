#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "BirthSamples.h"
#include "register/BirthFile.h"

namespace amsaview {
namespace {

// Checks a file against docs/births.schema.json with python3-jsonschema; the
// output names every place where it fails.
constexpr char kValidate[] = R"(
import json, sys, jsonschema
schema = json.load(open(sys.argv[1]))
jsonschema.Draft202012Validator.check_schema(schema)
errors = list(jsonschema.Draft202012Validator(schema).iter_errors(json.load(open(sys.argv[2]))))
for error in errors:
    print(list(error.absolute_path), error.message)
sys.exit(1 if errors else 0)
)";

struct Validation {
    bool ran = false;
    int status = -1;
    QString output;
};

Validation Validate(const QString& path) {
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QLatin1String(kValidate),
                                             QStringLiteral(AMSAVIEW_BIRTHS_SCHEMA), path});
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {true, python.exitCode(),
            QString::fromUtf8(python.readAllStandardOutput() + python.readAllStandardError())};
}

bool HaveJsonSchema() {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"), QStringLiteral("import jsonschema")});
    return python.waitForFinished(60000) && python.exitStatus() == QProcess::NormalExit &&
           python.exitCode() == 0;
}

QString WriteText(const QTemporaryDir& folder, const char* name, const QByteArray& text) {
    const QString path = folder.filePath(QLatin1String(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

TEST(BirthFileSchema, WrittenFilesFollowTheSchemaAndBrokenOnesDoNot) {
    if (!HaveJsonSchema()) {
        GTEST_SKIP() << "python3-jsonschema is not installed";
    }
    QTemporaryDir folder;
    const QString written = folder.filePath(QStringLiteral("all") + kBirthFileSuffix);
    ASSERT_TRUE(WriteBirthFile(written, {LargestBirth(), SmallestBirth(), MadrasBirth(),
                                         Birth("RAM KUMAR", 1975, "Pune", "India")}));
    const Validation good = Validate(written);
    ASSERT_TRUE(good.ran);
    EXPECT_EQ(good.status, 0) << good.output.toStdString();

    // The schema is no blank cheque: each of these breaks it where the reader
    // refuses the file too.
    for (const char* broken : {
             R"({"format": "amsaview-births", "version": 2, "births": [{"name": "A",
                 "date": "1975-3-07", "time": "09:05:00", "lon": "77E12", "lat": "28N36",
                 "city": "", "state": "", "country": "", "zone": 34, "dst": false}]})",
             R"({"format": "amsaview-births", "version": 2, "births": [{"name": "A",
                 "date": "1975-03-07", "time": "09:05:00", "lon": "77N12", "lat": "28N36",
                 "city": "", "state": "", "country": "", "zone": 34, "dst": false}]})",
             R"({"format": "amsaview-births", "version": 2, "births": [{"name": "A",
                 "date": "1975-03-07", "time": "09:05:00", "lon": "77E12", "lat": "28N36",
                 "city": "", "state": "", "country": "", "zone": 71, "dst": false}]})",
             R"({"format": "amsaview-births", "version": 2, "births": [{"name": "A",
                 "yearRow": 74, "date": "1975-03-07", "time": "09:05:00", "lon": "77E12",
                 "lat": "28N36", "city": "", "state": "", "country": "", "zone": 34,
                 "dst": false}]})",
             R"({"format": "amsaview-births", "version": 3, "births": []})",
         }) {
        ASSERT_FALSE(BirthsFromJson(broken)) << broken;
        const Validation bad = Validate(WriteText(folder, "broken.json", broken));
        ASSERT_TRUE(bad.ran);
        EXPECT_EQ(bad.status, 1) << broken << "\n" << bad.output.toStdString();
    }
}

TEST(BirthFileSchema, AVersionOneFileFollowsTheSchema) {
    if (!HaveJsonSchema()) {
        GTEST_SKIP() << "python3-jsonschema is not installed";
    }
    QTemporaryDir folder;
    const char* kVersion1 = R"({"format": "amsaview-births", "version": 1, "births": [{
        "name": "RAM KUMAR", "monthRow": 2, "dayRow": 6, "yearRow": 74,
        "hourRow": 9, "minuteRow": 5, "secondRow": 30,
        "lonDegrees": "77", "lonMinutes": "12", "east": true,
        "latDegrees": "28", "latMinutes": "36", "south": false,
        "city": "Pune", "state": "Maharashtra", "country": "India",
        "zoneRow": 34, "dst": false, "zoneName": null, "utcOffsetSeconds": null}]})";
    ASSERT_TRUE(BirthsFromJson(kVersion1));
    const Validation result = Validate(WriteText(folder, "old.json", kVersion1));
    ASSERT_TRUE(result.ran);
    EXPECT_EQ(result.status, 0) << result.output.toStdString();
}

}  // namespace
}  // namespace amsaview
