#pragma once

#include <QValidator>

#include "pipeline/KeyFilters.h"

class QLineEdit;

namespace amsaview {

class MessageSink;

// The gate every change of a box passes, however the text came: pasted with
// the keyboard or the context menu, dropped, or pasted with the middle mouse
// button. It applies the box's typed rule to the text: small letters become
// capitals, and a text with a character a key would be refused for is
// refused whole with that key's message. Typed keys are judged before they
// reach it (KeystrokeFilter), so they get their message once. Text the
// program sets is left to the checks before a chart.
class EnteredTextValidator final : public QValidator {
    Q_OBJECT
  public:
    using Filter = FilteredText (*)(std::u32string_view);

    EnteredTextValidator(Filter filter, MessageSink& messages, QLineEdit& box);

    State validate(QString& input, int& position) const override;

  private:
    Filter filter_;
    MessageSink& messages_;
    QLineEdit& box_;
};

}  // namespace amsaview
