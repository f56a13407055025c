#include "ui/form/KeystrokeFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

#include "ui/common/MessageBoxes.h"

namespace amsaview {
namespace {

// The character a key press would type into a line edit, if any. Mirrors the
// line edit's own rule: Ctrl (and Ctrl+Shift) keys are shortcuts, and of the
// control characters only Backspace and Enter count as typed.
std::optional<char32_t> TypedCharacter(const QKeyEvent& event) {
    const QList<uint> codes = event.text().toUcs4();
    if (codes.size() != 1) {
        return std::nullopt;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return std::nullopt;
    }
    const char32_t code = codes.front();
    if (code == kBackspaceKey || code == kEnterKey || QChar::isPrint(code)) {
        return code;
    }
    return std::nullopt;
}

}  // namespace

KeystrokeFilter::KeystrokeFilter(Filter filter, MessageSink& messages, QObject* parent)
    : QObject(parent), filter_(filter), messages_(messages) {}

bool KeystrokeFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr || event->type() != QEvent::KeyPress) {
        return false;
    }
    const std::optional<char32_t> typed = TypedCharacter(static_cast<const QKeyEvent&>(*event));
    if (!typed) {
        return false;
    }
    const FilteredKey filtered = filter_(*typed);
    if (filtered.refusal) {
        messages_.show(edit->window(), QString::fromStdString(filtered.refusal->message),
                       filtered.refusal->icon);
        return true;
    }
    if (filtered.key == *typed) {
        return false;
    }
    edit->insert(QString::fromUcs4(&filtered.key, 1));
    return true;
}

}  // namespace amsaview
