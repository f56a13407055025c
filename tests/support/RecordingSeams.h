#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <utility>

#include "ui/frame/MessageBoxes.h"
#include "ui/frame/WebPages.h"

class QWidget;

namespace amsaview::testing {

struct ShownMessage {
    QString text;
    MessageIcon icon;
    QWidget* parent;
};

// Keeps every message instead of showing a modal box.
class RecordingMessageSink final : public MessageSink {
  public:
    void show(QWidget* parent, const QString& text, MessageIcon icon) override {
        shown.append({text, icon, parent});
    }
    // Answers with `answer` and keeps the question and its buttons.
    int choose(QWidget* /*parent*/, const QString& text, const QStringList& answers) override {
        asked.append({text, answers});
        return answer;
    }
    QList<ShownMessage> shown;
    QList<std::pair<QString, QStringList>> asked;
    int answer = 0;
};

// Keeps every address instead of starting a browser.
class RecordingWebPageOpener final : public WebPageOpener {
  public:
    void open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

}  // namespace amsaview::testing
