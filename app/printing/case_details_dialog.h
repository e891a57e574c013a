#pragma once

#include <QDialog>

class QLineEdit;

namespace pellumo {

// Asks for the 案号 and the 当事人 a printed sheet carries; both may stay
// empty.
class CaseDetailsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CaseDetailsDialog(QWidget *parent = nullptr);

    QString caseNumber() const;
    QString parties() const;
    void setCaseNumber(const QString &text);
    void setParties(const QString &text);

private:
    QLineEdit *m_caseNumber;
    QLineEdit *m_parties;
};

} // namespace pellumo
