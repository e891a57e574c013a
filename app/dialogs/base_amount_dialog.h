#pragma once

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class BaseAmountDialog;
}

namespace pellumo {

class MessageBoxes;

// A base amount as the dialog accepts it: decimal digits with an optional
// "+" or "-", blanks around them ignored. No value for anything else,
// including other notations (hexadecimal, exponents, decimals, separators,
// full-width digits) and values beyond 32 bits.
std::optional<int> ParseBaseAmount(const QString &text);

// The base-amount dialog (caption "起算基数设定"): the user sets the divorce
// and personality-rights base amounts of the acceptance fee within their
// statutory ranges, and a good pair is saved into setjs.rar. Created once,
// hidden between uses and only ever shown modally.
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    TForm2(const QString &settingsFilePath, MessageBoxes *messageBoxes, QWidget *parent = nullptr);
    ~TForm2() override;

    // Fills the two fields before the dialog is shown.
    void setBaseAmounts(int D, int P);

Q_SIGNALS:
    // After a save, with the texts of the two fields as typed.
    void baseAmountsSaved(const QString &D, const QString &P);

private:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void showMessage(const QString &text);

    std::unique_ptr<Ui::BaseAmountDialog> m_ui;
    QString m_settingsFilePath;
    MessageBoxes *m_messageBoxes;
};

} // namespace pellumo
