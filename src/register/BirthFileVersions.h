#pragma once

#include <QJsonObject>

#include "register/BirthFileFields.h"
#include "register/SavedBirth.h"

namespace amsaview {

// One birth object of each version of the birth file. Version 1 kept the
// form's list rows; version 2, which is written, keeps calendar texts.
FieldFault ReadBirthVersion1(const QJsonObject& object, SavedBirth& birth);
FieldFault ReadBirthVersion2(const QJsonObject& object, SavedBirth& birth);
QJsonObject BirthVersion2(const SavedBirth& birth);

}  // namespace amsaview
