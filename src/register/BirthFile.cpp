#include "register/BirthFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "qtcommon/WholeFile.h"
#include "register/AafFile.h"
#include "register/BirthFileVersions.h"

namespace amsaview {
namespace {

QString BirthLabel(qsizetype index, const QJsonValue& birth) {
    const QString name = birth.toObject().value(QStringLiteral("name")).toString();
    return name.isEmpty() ? QStringLiteral("Birth %1").arg(index + 1)
                          : QStringLiteral("Birth %1 (%2)").arg(index + 1).arg(name);
}

RegisterError NotABirthFile(const QString& why) {
    return RegisterError{QStringLiteral("not a birth file: %1").arg(why)};
}

}  // namespace

QByteArray BirthsToJson(const std::vector<SavedBirth>& births) {
    QJsonArray list;
    for (const SavedBirth& birth : births) {
        list.append(BirthVersion2(birth));
    }
    const QJsonObject file = {
        {QStringLiteral("format"), QLatin1String(kBirthFileFormat)},
        {QStringLiteral("version"), kBirthFileVersion},
        {QStringLiteral("births"), list},
    };
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

RegisterResult<std::vector<SavedBirth>> BirthsFromJson(const QByteArray& json) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return NotABirthFile(
            QStringLiteral("%1 at byte %2").arg(parseError.errorString()).arg(parseError.offset));
    }
    const QJsonObject file = document.object();
    if (file.value(QStringLiteral("format")).toString() != QLatin1String(kBirthFileFormat)) {
        return NotABirthFile(
            QStringLiteral("its \"format\" is not \"%1\"").arg(QLatin1String(kBirthFileFormat)));
    }
    const QJsonValue version = file.value(QStringLiteral("version"));
    if (!version.isDouble()) {
        return NotABirthFile(QStringLiteral("it has no \"version\" number"));
    }
    const double number = version.toDouble();
    if (number != 1 && number != 2) {
        return RegisterError{QStringLiteral("the birth file is of version %1; this Amsaview reads "
                                            "versions 1 and %2")
                                 .arg(number)
                                 .arg(kBirthFileVersion)};
    }
    const auto readBirth = number == 1 ? ReadBirthVersion1 : ReadBirthVersion2;
    for (const QString& key : file.keys()) {
        if (key != QLatin1String("format") && key != QLatin1String("version") &&
            key != QLatin1String("births")) {
            return NotABirthFile(QStringLiteral("\"%1\" is not a key of a birth file").arg(key));
        }
    }
    const QJsonValue list = file.value(QStringLiteral("births"));
    if (!list.isArray()) {
        return NotABirthFile(QStringLiteral("it has no \"births\" list"));
    }

    std::vector<SavedBirth> births;
    const QJsonArray entries = list.toArray();
    births.reserve(static_cast<std::size_t>(entries.size()));
    for (qsizetype index = 0; index < entries.size(); ++index) {
        const QJsonValue entry = entries[index];
        const QString label = BirthLabel(index, entry);
        if (!entry.isObject()) {
            return RegisterError{QStringLiteral("%1 is not an object of fields").arg(label)};
        }
        const QJsonObject object = entry.toObject();
        SavedBirth birth;
        if (auto fault = readBirth(object, birth)) {
            return RegisterError{QStringLiteral("%1: %2").arg(label, *fault)};
        }
        births.push_back(std::move(birth));
    }
    return births;
}

RegisterStatus WriteBirthFile(const QString& path, const std::vector<SavedBirth>& births) {
    if (auto reason = WriteWholeFile(path, BirthsToJson(births))) {
        return RegisterError{QStringLiteral("%1 cannot be written: %2")
                                 .arg(QDir::toNativeSeparators(path), *reason)};
    }
    return Done{};
}

RegisterResult<QByteArray> ReadBoundedFile(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    // A device or a pipe could be endless, and a FIFO would block the open.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        return RegisterError{QStringLiteral("%1 is not a regular file").arg(shown)};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return RegisterError{
            QStringLiteral("%1 cannot be read: %2").arg(shown, file.errorString())};
    }
    QByteArray text = file.read(kLargestBirthFile + 1);
    if (text.size() > kLargestBirthFile) {
        return RegisterError{QStringLiteral("%1 is larger than %2 MB, too large for a birth file")
                                 .arg(shown)
                                 .arg(kLargestBirthFile >> 20)};
    }
    return text;
}

RegisterResult<std::vector<SavedBirth>> ReadBirthFile(const QString& path) {
    const auto json = ReadBoundedFile(path);
    if (!json) {
        return RegisterError{json.error()};
    }
    auto births = BirthsFromJson(json.value());
    if (!births) {
        return RegisterError{
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), births.error())};
    }
    return births;
}

RegisterResult<ImportedBirths> ImportBirths(const QString& path) {
    if (!IsAafPath(path)) {
        auto births = ReadBirthFile(path);
        if (!births) {
            return RegisterError{births.error()};
        }
        return ImportedBirths{std::move(births).value(), {}};
    }
    const auto records = ReadAafFile(path);
    if (!records) {
        return RegisterError{records.error()};
    }
    ImportedBirths imported;
    for (const AafRecord& record : records.value()) {
        if (const auto* birth = std::get_if<SavedBirth>(&record)) {
            imported.births.push_back(*birth);
        } else {
            imported.skipped.append(AafFaultText(std::get<AafFault>(record)));
        }
    }
    return imported;
}

RegisterStatus ExportBirths(const QString& path, const std::vector<SavedBirth>& births) {
    return IsAafPath(path) ? WriteAafFile(path, births) : WriteBirthFile(path, births);
}

}  // namespace amsaview
