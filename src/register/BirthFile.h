#pragma once

#include <QByteArray>
#include <QString>
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
RegisterResult<std::vector<SavedBirth>> ReadBirthFile(const QString& path);

}  // namespace amsaview
