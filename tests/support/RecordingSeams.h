#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <utility>

#include "ui/common/FileChooser.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/WebPages.h"

class QWidget;

namespace amsaview::testing {

struct ShownMessage {
    QString text;
    MessageIcon icon;
    QWidget* parent;
};

// Keeps every message instead of showing a modal box, and answers each
// question with the next of `answers`; with none left, Discard or No.
class RecordingMessageSink final : public MessageSink {
  public:
    void show(QWidget* parent, const QString& text, MessageIcon icon) override {
        shown.append({text, icon, parent});
    }
    Answer ask(QWidget*, const QString& text, Question question) override {
        asked.append(text);
        if (!answers.isEmpty()) {
            return answers.takeFirst();
        }
        return question == Question::SaveDiscardCancel ? Answer::Discard : Answer::No;
    }
    // Answers with `choice` and keeps the question and its buttons.
    int choose(QWidget* /*parent*/, const QString& text, const QStringList& buttons) override {
        chosen.append({text, buttons});
        return choice;
    }
    QList<ShownMessage> shown;
    QStringList asked;
    QList<Answer> answers;
    QList<std::pair<QString, QStringList>> chosen;
    int choice = 0;
};

// Answers every file question with the name set here; empty is giving up.
class FixedFileChooser final : public FileChooser {
  public:
    QString fileToRead(QWidget*, const QString&, const QString&) override { return toRead; }
    QString fileToWrite(QWidget*, const QString&, const QString&, const QString&) override {
        return toWrite;
    }
    QString toRead;
    QString toWrite;
};

// Keeps every address instead of starting a browser.
class RecordingWebPageOpener final : public WebPageOpener {
  public:
    void open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

}  // namespace amsaview::testing
