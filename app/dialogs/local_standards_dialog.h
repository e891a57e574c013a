#pragma once

#include "fees/fee_schedule.h"

#include <QDialog>
#include <QList>
#include <memory>

class QLabel;
class QLineEdit;

namespace Ui {
class LocalStandardsDialog;
}

namespace pellumo {

class MessageBoxes;
class SettingsFiles;

// The dialog 本地收费标准 of the window 全部收费项目: the local amount of each
// ranged fee, with its statutory range beside its field. The divorce and
// personality-rights amounts are the base amounts of setjs.rar, the same
// setting as the base-amount dialog's; the other seven live in setbz.rar.
// A save checks every amount against its range and writes both files
// atomically, or shows why not and changes nothing.
class LocalStandardsDialog : public QDialog
{
    Q_OBJECT
public:
    LocalStandardsDialog(const SettingsFiles *settingsFiles, MessageBoxes *messageBoxes,
                         QWidget *parent = nullptr);
    ~LocalStandardsDialog() override;

    // The amounts in force, read afresh from the two files.
    LocalStandards readLocalStandards() const;

    // Fills the fields from the files before the dialog is shown.
    void loadFromFiles();

private:
    struct Row {
        LocalStandardField field;
        QLabel *name;
        QLineEdit *edit;
        QLabel *range;
    };

    void saveButtonClick();
    void lowerBoundsButtonClick();
    void fill(const LocalStandards &local);
    void showMessage(const QString &text);

    std::unique_ptr<Ui::LocalStandardsDialog> m_ui;
    QList<Row> m_rows;
    const SettingsFiles *m_settingsFiles;
    MessageBoxes *m_messageBoxes;
};

}  // namespace pellumo
