#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace amsaview {

// Writes the whole of bytes to path, or says why not (without the path: the
// caller names it). A regular file is replaced only once the new one is
// whole, and is left as it was on a failure. A device, FIFO or socket is
// written to as it is and never replaced by a regular file: `--pdf
// /dev/stdout | lpr` prints, and a FIFO's reader gets the bytes.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace amsaview
