#pragma once

#include <QString>
#include <QStringList>

#include "model/ValidationFailure.h"

class QWidget;

namespace amsaview {

// Every message of the program passes here: a modal box with one OK button,
// the application's title and an error or information icon. Tests put a
// recording sink in its place to read the text, the icon and the focus.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void show(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // A question with one button per answer; returns the index of the one pressed.
    virtual int choose(QWidget* parent, const QString& text, const QStringList& answers) = 0;
};

class ModalMessageBox final : public MessageSink {
  public:
    void show(QWidget* parent, const QString& text, MessageIcon icon) override;
    int choose(QWidget* parent, const QString& text, const QStringList& answers) override;
};

}  // namespace amsaview
