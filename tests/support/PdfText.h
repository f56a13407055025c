#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace amsaview::testing {

// The text of a PDF as poppler's pdftotext reads it, laid out as on the page;
// pages end in a form feed. Empty when the tool fails.
inline QString PdfText(const QByteArray& pdf) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) {
        return {};
    }
    file.close();
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}

}  // namespace amsaview::testing
