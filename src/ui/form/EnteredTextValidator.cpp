#include "ui/form/EnteredTextValidator.h"

#include <QLineEdit>

#include "ui/common/MessageBoxes.h"

namespace amsaview {

EnteredTextValidator::EnteredTextValidator(Filter filter, MessageSink& messages, QLineEdit& box)
    : QValidator(&box), filter_(filter), messages_(messages), box_(box) {}

QValidator::State EnteredTextValidator::validate(QString& input, int&) const {
    const QList<uint> codes = input.toUcs4();
    const FilteredText filtered = filter_(std::u32string(codes.begin(), codes.end()));
    if (!filtered.refusal) {
        // Same length: a capital for a small letter, so the cursor stays put.
        input =
            QString::fromUcs4(filtered.text.data(), static_cast<qsizetype>(filtered.text.size()));
        return Acceptable;
    }
    if (!box_.isModified()) {
        // Text the program put in (setText) is the program's to answer for:
        // the checks before a chart judge it, and the user's next edit is
        // still judged here.
        return Intermediate;
    }
    // Told once the box has undone the change, not in the middle of it.
    QMetaObject::invokeMethod(
        &box_,
        [&box = box_, &messages = messages_, refusal = *filtered.refusal] {
            messages.show(box.window(), QString::fromStdString(refusal.message), refusal.icon);
        },
        Qt::QueuedConnection);
    return Invalid;
}

}  // namespace amsaview
