#pragma once

#include <QObject>

#include "pipeline/KeyFilters.h"

namespace amsaview {

class MessageSink;

// Runs one of the core's keystroke filters on every character typed into the
// line edits it is installed on. Keys that type no character (Tab, arrows,
// Home/End, Delete, clipboard shortcuts) pass untouched and show nothing.
class KeystrokeFilter final : public QObject {
    Q_OBJECT
  public:
    using Filter = FilteredKey (*)(char32_t);

    KeystrokeFilter(Filter filter, MessageSink& messages, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Filter filter_;
    MessageSink& messages_;
};

}  // namespace amsaview
