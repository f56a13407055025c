#pragma once

#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

#include "register/RegisterResult.h"
#include "register/SavedBirth.h"

namespace amsaview {

// Births in AAF, the text format many astrology programs exchange: each
// record an #A93 line (name, date, time, place, country) and an #B93 line
// (coordinates, zone offset, daylight saving), described in docs/birth-files.md.
inline constexpr char kAafSuffix[] = ".aaf";

// A record that could not be read: where it starts and why.
struct AafFault {
    int line = 0;
    QString message;
};

using AafRecord = std::variant<SavedBirth, AafFault>;

// Every record of the file in its order, each read or named with its fault;
// one bad record never stops the others.
std::vector<AafRecord> RecordsFromAaf(const QByteArray& text);
QByteArray BirthsToAaf(const std::vector<SavedBirth>& births);

bool IsAafPath(const QString& path);
RegisterResult<std::vector<AafRecord>> ReadAafFile(const QString& path);
RegisterStatus WriteAafFile(const QString& path, const std::vector<SavedBirth>& births);

// "the record at line 12: the date \"31.2.1800\" is not ...".
QString AafFaultText(const AafFault& fault);

}  // namespace amsaview
