#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <variant>

#include "cli/BirthFields.h"
#include "cli/DashaOptions.h"
#include "cli/ExportOptions.h"
#include "model/FormInput.h"
#include "swiss/EphemerisSettings.h"

namespace amsaview {

enum class BatchFormat { Csv, JsonLines };

// Many births from a file ("-": standard input), one chart each.
struct BatchSettings {
    std::string path;  // as the file system names it
    BatchFormat format = BatchFormat::Csv;
    unsigned jobs = 1;
    bool windows = false;  // the time windows cost about a hundred charts each
};

// The places of the atlas that match a typed text, to be listed.
struct PlaceListRequest {
    std::string typed;
};

// --help: the options explained, for standard output.
struct ChartHelp {
    QString text;
};

// One birth's fields from the options, a birth kept in a birth file, the
// batch, a list of places, the help, or the one line that says what is wrong
// with the command line.
using ChartRequest =
    std::variant<BirthFields, FormInput, BatchSettings, PlaceListRequest, ChartHelp, QString>;
ChartRequest ParseChartOptions(const QStringList& arguments);

// The same, also reading --ephemeris, --ayanamsa and --node into `method`
// and --dasha-year and --dasha-levels into `dasha`, which hold for every
// chart of the request, and the files to write besides the JSON into
// `exports` (one birth only).
ChartRequest ParseChartOptions(const QStringList& arguments, EphemerisSettings& method,
                               ExportRequest& exports, DashaOptions& dasha);

}  // namespace amsaview
