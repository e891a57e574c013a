#include "app/printing/case_details_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pellumo {

CaseDetailsDialog::CaseDetailsDialog(QWidget *parent)
    : QDialog(parent), m_caseNumber(new QLineEdit(this)), m_parties(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("案号与当事人"));
    m_caseNumber->setObjectName(QStringLiteral("caseNumber"));
    m_parties->setObjectName(QStringLiteral("parties"));
    m_caseNumber->setPlaceholderText(QStringLiteral("如（2026）京0105执1234号"));
    m_parties->setPlaceholderText(QStringLiteral("如 申请执行人张三，被执行人李四"));
    // Room for a case number as long as the example, in whatever font the system gives.
    m_caseNumber->setMinimumWidth(m_caseNumber->fontMetrics().horizontalAdvance(m_caseNumber->placeholderText() +
                                                                                QStringLiteral("0000")));

    auto *hint = new QLabel(QStringLiteral("打印在计算结果上方，可以不填。"), this);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("案号："), m_caseNumber);
    form->addRow(QStringLiteral("当事人："), m_parties);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(buttons);
}

QString CaseDetailsDialog::caseNumber() const
{
    return m_caseNumber->text().trimmed();
}

QString CaseDetailsDialog::parties() const
{
    return m_parties->text().trimmed();
}

void CaseDetailsDialog::setCaseNumber(const QString &text)
{
    m_caseNumber->setText(text);
}

void CaseDetailsDialog::setParties(const QString &text)
{
    m_parties->setText(text);
}

} // namespace pellumo
