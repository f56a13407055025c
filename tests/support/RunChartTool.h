#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace amsaview::testing {

struct ToolRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

// Runs the built amsaview-chart; `stdoutFile` sends its standard output there.
inline ToolRun RunChartTool(const QStringList& arguments, const QByteArray& input = {},
                            const QString& stdoutFile = {}) {
    QProcess process;
    if (!stdoutFile.isEmpty()) {
        process.setStandardOutputFile(stdoutFile);
    }
    process.start(QStringLiteral(AMSAVIEW_CHART_TOOL), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(' ').toStdString();
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace amsaview::testing
