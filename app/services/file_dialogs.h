#pragma once

#include <QString>

class QWidget;

namespace pellumo {

// The dialogs that ask for a file name. Windows use this seam for every file
// they open or write, so that tests answer with a path without a person.
// An empty answer means the user cancelled.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // A file to read; `folder` is where the dialog starts.
    virtual QString openFileName(QWidget *owner, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    // A file to write; `suggestedPath` is the folder and name offered.
    virtual QString saveFileName(QWidget *owner, const QString &caption, const QString &suggestedPath,
                                 const QString &filter) = 0;
};

// Where a file dialog starts: `lastUsed` while it is a folder, else the
// user's documents folder when there is one, else the home folder; never
// the folder the program was started from, which means nothing to a clerk.
QString DialogStartFolder(const QString &lastUsed = {});

// The real dialogs (QFileDialog), modal to the owner. A folder that is not
// there (or a relative path) is replaced by DialogStartFolder(), the file
// name offered kept.
class WidgetFileDialogs : public FileDialogs
{
public:
    QString openFileName(QWidget *owner, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *owner, const QString &caption, const QString &suggestedPath,
                         const QString &filter) override;
};

} // namespace pellumo
