#pragma once

#include <QAbstractItemModel>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>

#include "support/FindChild.h"

namespace amsaview::testing {

// Types `typed` into the form's City box, as a user does, and picks the atlas
// offer that reads `line`. False when no offer reads it.
inline bool PickAtlasPlace(const QObject& form, const QString& typed, const QString& line) {
    auto& city = Child<QLineEdit>(form, QStringLiteral("txtMCity"));
    auto& completer = Child<QCompleter>(form, QStringLiteral("placeCompleter"));
    city.clear();
    city.setFocus();
    QTest::keyClicks(&city, typed);
    QAbstractItemModel* offers = completer.model();
    for (int row = 0; row < offers->rowCount(); ++row) {
        const QModelIndex index = offers->index(row, 0);
        if (index.data().toString() == line) {
            emit completer.activated(index);
            return true;
        }
    }
    return false;
}

}  // namespace amsaview::testing
