#pragma once

#include <QString>
#include <QStringList>

#include "model/ValidationFailure.h"

class QWidget;

namespace amsaview {

// The buttons of a question, and the one the user pressed.
enum class Question { SaveDiscardCancel, YesNo };
enum class Answer { Save, Discard, Cancel, Yes, No };

// Every message of the program passes here: a modal box with one OK button,
// the application's title and an error or information icon, or a question.
// Tests put a recording sink in its place to read the text, the icon and the
// focus, and to answer.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void show(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // Closing the box without a button is Cancel, or No.
    virtual Answer ask(QWidget* parent, const QString& text, Question question) = 0;
    // A question with one button per answer and Cancel; returns the index of
    // the answer pressed, or -1 for Cancel, Escape or closing the box.
    virtual int choose(QWidget* parent, const QString& text, const QStringList& answers) = 0;
};

class ModalMessageBox final : public MessageSink {
  public:
    void show(QWidget* parent, const QString& text, MessageIcon icon) override;
    Answer ask(QWidget* parent, const QString& text, Question question) override;
    int choose(QWidget* parent, const QString& text, const QStringList& answers) override;
};

}  // namespace amsaview
