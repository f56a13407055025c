#include "register/AafFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "model/TimeZoneTable.h"
#include "qtcommon/WholeFile.h"
#include "register/BirthFile.h"

namespace amsaview {
namespace {

constexpr int kA93Fields = 7;
constexpr int kB93Fields = 5;
constexpr int kSecondsPerHour = 3600;

struct Chunk {
    QString id;
    QString data;
};

struct RawRecord {
    int line = 0;
    std::vector<Chunk> chunks;
};

// AAF predates Unicode; a file that is not UTF-8 is read as Latin-1.
QString Decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        text = QString::fromLatin1(bytes);
    }
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    return text;
}

// A chunk starts in the first column with '#', its id and ':'; lines that do
// not start with '#' continue it. "#:" lines are comments, and chunks before
// the first #A93 belong to no record.
std::vector<RawRecord> SplitRecords(const QString& text) {
    std::vector<RawRecord> records;
    Chunk* current = nullptr;
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QString line = lines[index];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (!line.startsWith(u'#')) {
            if (current != nullptr) {
                current->data += u'\n' + line;
            }
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        const QString id = line.mid(1, colon < 0 ? -1 : colon - 1).trimmed().toUpper();
        const QString data = colon < 0 ? QString() : line.mid(colon + 1);
        current = nullptr;
        if (id.isEmpty()) {
            continue;
        }
        if (id == QLatin1String("A93")) {
            records.push_back({static_cast<int>(index + 1), {}});
        }
        if (!records.empty()) {
            records.back().chunks.push_back({id, data});
            current = &records.back().chunks.back();
        }
    }
    return records;
}

// Line breaks inside a chunk only lay it out; white space around a field
// is not part of it, and '*' is a field not known.
QStringList Fields(const QString& data) {
    QString joined = data;
    joined.remove(u'\n');
    QStringList fields = joined.split(u',');
    for (QString& field : fields) {
        field = field.trimmed();
        if (field == QLatin1String("*")) {
            field.clear();
        }
    }
    return fields;
}

const Chunk* FindChunk(const RawRecord& record, const char* id) {
    for (const Chunk& chunk : record.chunks) {
        if (chunk.id == QLatin1String(id)) {
            return &chunk;
        }
    }
    return nullptr;
}

using Fault = std::optional<QString>;

QRegularExpressionMatch WholeMatch(const char* pattern, const QString& text) {
    const QRegularExpression expression(QLatin1String(pattern),
                                        QRegularExpression::CaseInsensitiveOption);
    return expression.match(text);
}

int Number(const QRegularExpressionMatch& match, int group) {
    return match.captured(group).isEmpty() ? 0 : match.captured(group).toInt();
}

Fault ReadDate(const QString& text, FormInput& form) {
    const auto match = WholeMatch(R"(^(\d{1,2})\.(\d{1,2})\.(\d{4})$)", text);
    const int day = Number(match, 1);
    const int month = Number(match, 2);
    const int year = Number(match, 3);
    if (!match.hasMatch() || day < 1 || day > 31 || month < 1 || month > 12 || year < kFirstYear ||
        year > kLastYear) {
        return QStringLiteral("the date \"%1\" is not a day D.M.YYYY from %2 to %3")
            .arg(text)
            .arg(kFirstYear)
            .arg(kLastYear);
    }
    form.dayRow = day - 1;
    form.monthRow = month - 1;
    form.yearRow = year - kFirstYear;
    return std::nullopt;
}

Fault ReadTime(const QString& text, FormInput& form) {
    const auto match = WholeMatch(R"(^(\d{1,2})[:.](\d{2})(?:[:.](\d{2}))?$)", text);
    const int hour = Number(match, 1);
    const int minute = Number(match, 2);
    const int second = Number(match, 3);
    if (!match.hasMatch() || hour > 23 || minute > 59 || second > 59) {
        return QStringLiteral("the time \"%1\" is not a clock time H:MM or H:MM:SS").arg(text);
    }
    form.hourRow = hour;
    form.minuteRow = minute;
    form.secondRow = second;
    return std::nullopt;
}

struct Coordinate {
    std::string degrees;
    std::string minutes;
    bool positive = true;
    double arcSeconds = 0;  // as written, before rounding to the minute
};

// "49n05", "8e11", "8e11:30": degrees, hemisphere, minutes and perhaps
// seconds, which the form's minute boxes round away.
std::optional<Coordinate> ReadCoordinate(const QString& text, int degreeDigits, QChar positive,
                                         QChar negative) {
    const QString pattern = QStringLiteral(R"(^(\d{1,%1})([%2%3])(\d{1,2})(?::(\d{1,2}))?$)")
                                .arg(degreeDigits)
                                .arg(positive, negative);
    const auto match = WholeMatch(pattern.toLatin1().constData(), text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    int degrees = Number(match, 1);
    int minutes = Number(match, 3);
    const int seconds = Number(match, 4);
    Coordinate coordinate;
    coordinate.arcSeconds = degrees * 3600.0 + minutes * 60.0 + seconds;
    if (seconds >= 30 && ++minutes == 60) {
        minutes = 0;
        ++degrees;
    }
    coordinate.degrees = std::to_string(degrees);
    coordinate.minutes = QStringLiteral("%1").arg(minutes, 2, 10, QLatin1Char('0')).toStdString();
    coordinate.positive = match.captured(2).compare(QString(positive), Qt::CaseInsensitive) == 0;
    return coordinate;
}

// "1he" is one hour east of Greenwich, "5he30" five and a half, "0e21:48"
// 21 minutes 48 seconds; east is ahead of Universal Time.
std::optional<int> ReadZoneOffset(const QString& text) {
    const auto match = WholeMatch(R"(^(\d{1,2})h?([ew])(\d{2})?(?::(\d{2}))?$)", text);
    if (!match.hasMatch() || Number(match, 3) > 59 || Number(match, 4) > 59) {
        return std::nullopt;
    }
    const int seconds =
        Number(match, 1) * kSecondsPerHour + Number(match, 3) * 60 + Number(match, 4);
    return match.captured(2).compare(QLatin1String("e"), Qt::CaseInsensitive) == 0 ? seconds
                                                                                   : -seconds;
}

QString Abbreviation(const TimeZone& zone) {
    return QString::fromUtf8(zone.listText.data(), static_cast<qsizetype>(zone.listText.size()))
        .section(u',', 1, 1)
        .trimmed();
}

// The zone list's row for a standard offset, the one named by #ZNAM when
// several rows share the offset.
std::optional<int> ZoneRow(int standardOffset, const QString& abbreviation) {
    std::optional<int> first;
    for (int row = 0; row < kTimeZoneCount; ++row) {
        const TimeZone& zone = TimeZoneTable[static_cast<std::size_t>(row)];
        if (zone.standardOffsetSeconds != standardOffset) {
            continue;
        }
        if (!abbreviation.isEmpty() &&
            Abbreviation(zone).compare(abbreviation, Qt::CaseInsensitive) == 0) {
            return row;
        }
        if (!first) {
            first = row;
        }
    }
    return first;
}

QString OffsetText(int seconds) {
    const int magnitude = std::abs(seconds);
    QString text = QStringLiteral("%1%2:%3")
                       .arg(QChar(seconds < 0 ? u'-' : u'+'))
                       .arg(magnitude / kSecondsPerHour, 2, 10, QLatin1Char('0'))
                       .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
    if (magnitude % 60 != 0) {
        text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

// One text whatever the offset came from, so that a birth written and read
// again is the same birth.
std::string ExactDescription(int seconds) {
    return QStringLiteral("%1, from an AAF file").arg(OffsetText(seconds)).toStdString();
}

// The clock: a row of the zone list where one fits, else the exact offset;
// local mean time ("*" and "L") from the longitude.
Fault ReadClock(const QStringList& b93, const QString& zoneName, const Coordinate* longitude,
                FormInput& form) {
    const QString& zoneText = b93[3];
    const QString& dstText = b93[4];
    std::optional<int> dstHours;
    if (dstText.isEmpty() || WholeMatch("^[a-z]+$", dstText).hasMatch()) {
        dstHours = 0;  // unknown, or a letter code such as L for local mean time
    } else if (WholeMatch("^[0-3]$", dstText).hasMatch()) {
        dstHours = dstText.toInt();
    }
    if (!dstHours) {
        return QStringLiteral("the daylight saving \"%1\" is not a number of hours").arg(dstText);
    }
    if (zoneText.isEmpty()) {
        if (dstText.compare(QLatin1String("L"), Qt::CaseInsensitive) == 0 && longitude) {
            const int offset = static_cast<int>(std::lround(longitude->arcSeconds / 15.0) *
                                                (longitude->positive ? 1 : -1));
            form.exactClock = ExactClock{offset, ExactDescription(offset), ""};
        } else {
            form.zoneRow.reset();
        }
        form.dst = false;
        return std::nullopt;
    }
    const auto offset = ReadZoneOffset(zoneText);
    if (!offset) {
        return QStringLiteral("the zone \"%1\" is not an offset such as 1he or 5he30")
            .arg(zoneText);
    }
    const auto row = *dstHours <= 1 ? ZoneRow(*offset, zoneName) : std::nullopt;
    if (row) {
        form.zoneRow = row;
        form.dst = *dstHours == 1;
        return std::nullopt;
    }
    // Double summer time, say, as the row of the whole offset: what this
    // program writes for that row reads back as the same row.
    const int total = *offset + *dstHours * kSecondsPerHour;
    form.dst = false;
    if (const auto wholeRow = ZoneRow(total, zoneName)) {
        form.zoneRow = wholeRow;
        return std::nullopt;
    }
    form.exactClock = ExactClock{total, ExactDescription(total), ""};
    return std::nullopt;
}

Fault ReadPlace(const QStringList& b93, const QString& zoneName, FormInput& form) {
    std::optional<Coordinate> latitude;
    std::optional<Coordinate> longitude;
    if (!b93[1].isEmpty()) {
        latitude = ReadCoordinate(b93[1], 2, u'n', u's');
        if (!latitude) {
            return QStringLiteral("the latitude \"%1\" is not of the form 49n05").arg(b93[1]);
        }
        form.latDegrees = latitude->degrees;
        form.latMinutes = latitude->minutes;
        form.south = !latitude->positive;
    }
    if (!b93[2].isEmpty()) {
        longitude = ReadCoordinate(b93[2], 3, u'e', u'w');
        if (!longitude) {
            return QStringLiteral("the longitude \"%1\" is not of the form 8e11").arg(b93[2]);
        }
        form.lonDegrees = longitude->degrees;
        form.lonMinutes = longitude->minutes;
        form.east = longitude->positive;
    }
    return ReadClock(b93, zoneName, longitude ? &*longitude : nullptr, form);
}

AafRecord ReadRecord(const RawRecord& raw) {
    const auto fault = [&raw](const QString& message) { return AafFault{raw.line, message}; };
    const QStringList a93 = Fields(raw.chunks.front().data);
    if (a93.size() != kA93Fields) {
        return fault(
            QStringLiteral("its #A93 line has %1 fields, not %2").arg(a93.size()).arg(kA93Fields));
    }
    SavedBirth birth;
    FormInput& form = birth.form;
    form.name = QStringList{a93[1], a93[0]}.join(u' ').trimmed().toStdString();
    if (auto problem = ReadDate(a93[3], form)) {
        return fault(*problem);
    }
    if (auto problem = ReadTime(a93[4], form)) {
        return fault(*problem);
    }
    form.city = a93[5].toStdString();
    form.state.clear();
    form.country = a93[6].toStdString();

    const Chunk* zoneName = FindChunk(raw, "ZNAM");
    const QString abbreviation = zoneName ? zoneName->data.trimmed() : QString();
    if (const Chunk* b93Chunk = FindChunk(raw, "B93")) {
        const QStringList b93 = Fields(b93Chunk->data);
        if (b93.size() != kB93Fields) {
            return fault(QStringLiteral("its #B93 line has %1 fields, not %2")
                             .arg(b93.size())
                             .arg(kB93Fields));
        }
        if (auto problem = ReadPlace(b93, abbreviation, form)) {
            return fault(*problem);
        }
    } else {
        // Without #B93 the place is unknown: the form will ask for it.
        form.zoneRow.reset();
    }
    QStringList comments;
    for (const Chunk& chunk : raw.chunks) {
        if (chunk.id == QLatin1String("COM")) {
            comments.append(chunk.data.trimmed());
        }
    }
    birth.note = comments.join(u'\n').trimmed().toStdString();
    return birth;
}

// AAF fields hold no commas, and '#' only starts a chunk.
QString FieldText(const std::string& text) {
    QString field = QString::fromStdString(text);
    field.replace(u',', u';').replace(u'#', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    field = field.trimmed();
    return field.isEmpty() ? QStringLiteral("*") : field;
}

QString CoordinateText(const std::string& degrees, const std::string& minutes, bool positive,
                       char positiveLetter, char negativeLetter) {
    if (degrees.empty() && minutes.empty()) {
        return QStringLiteral("*");
    }
    return QStringLiteral("%1%2%3")
        .arg(degrees.empty() ? QStringLiteral("0") : QString::fromStdString(degrees))
        .arg(QLatin1Char(positive ? positiveLetter : negativeLetter))
        .arg(QString::fromStdString(minutes), 2, QLatin1Char('0'));
}

QString ZoneText(int seconds) {
    const int magnitude = std::abs(seconds);
    QString text = QStringLiteral("%1h%2%3")
                       .arg(magnitude / kSecondsPerHour)
                       .arg(QChar(seconds < 0 ? u'w' : u'e'))
                       .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
    if (magnitude % 60 != 0) {
        text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

QString RecordText(const SavedBirth& birth) {
    const FormInput& form = birth.form;
    const QString name = QString::fromStdString(form.name).trimmed();
    const qsizetype blank = name.lastIndexOf(u' ');
    const QString last = blank < 0 ? name : name.mid(blank + 1);
    const QString first = blank < 0 ? QString() : name.left(blank);
    QString time =
        QStringLiteral("%1:%2").arg(form.hourRow).arg(form.minuteRow, 2, 10, QLatin1Char('0'));
    if (form.secondRow != 0) {
        time += QStringLiteral(":%1").arg(form.secondRow, 2, 10, QLatin1Char('0'));
    }
    QString text = QStringLiteral("#A93:%1,%2,*,%3.%4.%5,%6,%7,%8\n")
                       .arg(FieldText(last.toStdString()), FieldText(first.toStdString()))
                       .arg(form.dayRow + 1)
                       .arg(form.monthRow + 1)
                       .arg(kFirstYear + form.yearRow)
                       .arg(time, FieldText(form.city), FieldText(form.country));

    QString zone = QStringLiteral("*");
    QString dst = QStringLiteral("0");
    QString abbreviation;
    if (form.exactClock) {
        zone = ZoneText(form.exactClock->utcOffsetSeconds);
    } else if (form.zoneRow) {
        const TimeZone& row = TimeZoneTable[static_cast<std::size_t>(*form.zoneRow)];
        zone = ZoneText(row.standardOffsetSeconds);
        dst = form.dst ? QStringLiteral("1") : QStringLiteral("0");
        abbreviation = Abbreviation(row);
    }
    text +=
        QStringLiteral("#B93:*,%1,%2,%3,%4\n")
            .arg(CoordinateText(form.latDegrees, form.latMinutes, !form.south, 'n', 's'),
                 CoordinateText(form.lonDegrees, form.lonMinutes, form.east, 'e', 'w'), zone, dst);
    if (!abbreviation.isEmpty()) {
        text += QStringLiteral("#ZNAM:%1\n").arg(abbreviation);
    }
    if (!birth.note.empty()) {
        QStringList lines = QString::fromStdString(birth.note).split(u'\n');
        for (QString& line : lines) {
            line.replace(u'#', u' ').remove(u'\r');
        }
        text += QStringLiteral("#COM:%1\n").arg(lines.join(u'\n'));
    }
    return text;
}

}  // namespace

std::vector<AafRecord> RecordsFromAaf(const QByteArray& text) {
    std::vector<AafRecord> records;
    for (const RawRecord& raw : SplitRecords(Decode(text))) {
        records.push_back(ReadRecord(raw));
    }
    return records;
}

QByteArray BirthsToAaf(const std::vector<SavedBirth>& births) {
    QString text = QStringLiteral("#: Births written by Amsaview\n");
    for (const SavedBirth& birth : births) {
        text += u'\n' + RecordText(birth);
    }
    return text.toUtf8();
}

bool IsAafPath(const QString& path) {
    return path.endsWith(QLatin1String(kAafSuffix), Qt::CaseInsensitive);
}

RegisterResult<std::vector<AafRecord>> ReadAafFile(const QString& path) {
    const auto text = ReadBoundedFile(path);
    if (!text) {
        return RegisterError{text.error()};
    }
    return RecordsFromAaf(text.value());
}

RegisterStatus WriteAafFile(const QString& path, const std::vector<SavedBirth>& births) {
    if (auto reason = WriteWholeFile(path, BirthsToAaf(births))) {
        return RegisterError{QStringLiteral("%1 cannot be written: %2")
                                 .arg(QDir::toNativeSeparators(path), *reason)};
    }
    return Done{};
}

QString AafFaultText(const AafFault& fault) {
    return QStringLiteral("the record at line %1: %2").arg(fault.line).arg(fault.message);
}

}  // namespace amsaview
