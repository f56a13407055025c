#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <variant>

#include "app/BirthFields.h"

namespace amsaview {

enum class BatchFormat { Csv, JsonLines };

// Many births from a file ("-": standard input), one chart each.
struct BatchSettings {
    std::string path;  // as the file system names it
    BatchFormat format = BatchFormat::Csv;
    unsigned jobs = 1;
};

// One birth's fields from the options, or the batch, or the one line that
// says what is wrong with the command line.
std::variant<BirthFields, BatchSettings, QString> ParseChartOptions(const QStringList& arguments);

}  // namespace amsaview
