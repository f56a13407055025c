#include "register/SearchKey.h"

namespace amsaview {

QString FoldedForSearch(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

QString NameKey(const FormInput& form) {
    return FoldedForSearch(QString::fromStdString(form.name));
}

QString SearchKey(const FormInput& form) {
    const QStringList parts = {
        QString::fromStdString(form.name),          QString::fromStdString(form.city),
        QString::fromStdString(form.state),         QString::fromStdString(form.country),
        QString::number(kFirstYear + form.yearRow),
    };
    return FoldedForSearch(parts.join(u'\n'));
}

QStringList FilterWords(const QString& filter) {
    return FoldedForSearch(filter).simplified().split(u' ', Qt::SkipEmptyParts);
}

}  // namespace amsaview
