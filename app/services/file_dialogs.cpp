#include "app/services/file_dialogs.h"

#include <QFileDialog>

namespace pellumo {

QString WidgetFileDialogs::openFileName(QWidget *owner, const QString &caption, const QString &folder,
                                        const QString &filter)
{
    return QFileDialog::getOpenFileName(owner, caption, folder, filter);
}

QString WidgetFileDialogs::saveFileName(QWidget *owner, const QString &caption, const QString &suggestedPath,
                                        const QString &filter)
{
    return QFileDialog::getSaveFileName(owner, caption, suggestedPath, filter);
}

} // namespace pellumo
