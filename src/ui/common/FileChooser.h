#pragma once

#include <QString>

class QWidget;

namespace amsaview {

// Where a file is read from or written to, as the user picks it; an empty
// name when the user gives up. Tests put a chooser with fixed answers in its place.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    virtual QString fileToRead(QWidget* parent, const QString& caption, const QString& filter) = 0;
    virtual QString fileToWrite(QWidget* parent, const QString& caption, const QString& suggested,
                                const QString& filter) = 0;
};

class DialogFileChooser final : public FileChooser {
  public:
    QString fileToRead(QWidget* parent, const QString& caption, const QString& filter) override;
    QString fileToWrite(QWidget* parent, const QString& caption, const QString& suggested,
                        const QString& filter) override;
};

}  // namespace amsaview
