#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "register/RegisterResult.h"
#include "register/SavedBirth.h"

namespace amsaview {

// Births exchanged between people and programs: a versioned JSON file,
// described in docs/birth-files.md. Ids and times stay in the register.
// Version 2 is written; version 1 is still read.
inline constexpr char kBirthFileFormat[] = "amsaview-births";
inline constexpr int kBirthFileVersion = 2;
inline constexpr char kBirthFileSuffix[] = ".amsaview.json";

QByteArray BirthsToJson(const std::vector<SavedBirth>& births);

// All births or none: the first fault found is returned, naming the birth
// (counted from 1, with its name) and the field.
RegisterResult<std::vector<SavedBirth>> BirthsFromJson(const QByteArray& json);

// Replaces the file only once it is written whole.
RegisterStatus WriteBirthFile(const QString& path, const std::vector<SavedBirth>& births);
// Far more than any collection of births; a larger file, or one that is not
// a regular file, is refused unread.
inline constexpr qint64 kLargestBirthFile = qint64{64} << 20;
// The bytes of a birth or AAF file, within those bounds.
RegisterResult<QByteArray> ReadBoundedFile(const QString& path);
RegisterResult<std::vector<SavedBirth>> ReadBirthFile(const QString& path);

// Import Births and Export Births: AAF for a file ending in .aaf, the birth
// file otherwise. An AAF record that cannot be read is left out and named;
// a birth file is read whole or not at all.
struct ImportedBirths {
    std::vector<SavedBirth> births;
    QStringList skipped;  // "the record at line 12: ..."
};
RegisterResult<ImportedBirths> ImportBirths(const QString& path);
RegisterStatus ExportBirths(const QString& path, const std::vector<SavedBirth>& births);

}  // namespace amsaview
