#include "ui/register/BirthListModel.h"
#include "qtcommon/QtText.h"

#include <QStringList>

namespace amsaview {

QString BirthDateText(const BirthSummary& birth) {
    return QStringLiteral("%1-%2-%3")
        .arg(birth.year, 4, 10, QLatin1Char('0'))
        .arg(birth.month, 2, 10, QLatin1Char('0'))
        .arg(birth.day, 2, 10, QLatin1Char('0'));
}

QString BirthTimeText(const BirthSummary& birth) {
    return QStringLiteral("%1:%2:%3")
        .arg(birth.hour, 2, 10, QLatin1Char('0'))
        .arg(birth.minute, 2, 10, QLatin1Char('0'))
        .arg(birth.second, 2, 10, QLatin1Char('0'));
}

QString BirthPlaceText(const BirthSummary& birth) {
    QStringList parts;
    for (const std::string* part : {&birth.city, &birth.state, &birth.country}) {
        const QString text = QString::fromStdString(*part).trimmed();
        if (!text.isEmpty()) {
            parts << Isolated(text);
        }
    }
    return parts.join(QStringLiteral(", "));
}

void BirthListModel::setBirths(std::vector<BirthSummary> births) {
    beginResetModel();
    births_ = std::move(births);
    endResetModel();
}

int BirthListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(births_.size());
}

int BirthListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BirthListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= rowCount()) {
        return {};
    }
    const BirthSummary& birth = birthAt(index.row());
    switch (index.column()) {
        case Name:
            return QString::fromStdString(birth.name);
        case Date:
            return BirthDateText(birth);
        case Time:
            return BirthTimeText(birth);
        case Place:
            return BirthPlaceText(birth);
        default:
            return {};
    }
}

QVariant BirthListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case Name:
            return QStringLiteral("Name");
        case Date:
            return QStringLiteral("Date");
        case Time:
            return QStringLiteral("Time");
        case Place:
            return QStringLiteral("Place");
        default:
            return {};
    }
}

}  // namespace amsaview
