#pragma once

#include <QList>
#include <QString>
#include <QUrl>

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
    QList<ShownMessage> shown;
};

// Keeps every address instead of starting a browser.
class RecordingWebPageOpener final : public WebPageOpener {
  public:
    void open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

}  // namespace amsaview::testing
