#include "app/dialogs/local_standards_dialog.h"

#include "app/dialogs/base_amount_dialog.h"
#include "app/services/message_boxes.h"
#include "app/services/settings_files.h"
#include "app/widgets/rejected_input_hint.h"
#include "app/widgets/screen_fit.h"
#include "app/window/window_styles.h"
#include "fees/base_amounts.h"
#include "fees/local_standards.h"
#include "platform/file_error_text.h"
#include "ui_local_standards_dialog.h"

#include <QFileInfo>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <algorithm>

namespace pellumo {
namespace {

QString StandardsFile()
{
    return QString::fromLatin1(LocalStandardsFileName);
}

QString BaseAmountsFile()
{
    return QString::fromLatin1(BaseAmountsFileName);
}

}  // namespace

LocalStandardsDialog::LocalStandardsDialog(const SettingsFiles *settingsFiles, MessageBoxes *messageBoxes,
                                           QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::LocalStandardsDialog>()), m_settingsFiles(settingsFiles),
      m_messageBoxes(messageBoxes)
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    using F = LocalStandardField;
    m_rows = {
        {F::Divorce, m_ui->divorceLabel, m_ui->divorceEdit, m_ui->divorceRange},
        {F::PersonalityRights, m_ui->personalityRightsLabel, m_ui->personalityRightsEdit,
         m_ui->personalityRightsRange},
        {F::OtherNonProperty, m_ui->otherNonPropertyLabel, m_ui->otherNonPropertyEdit,
         m_ui->otherNonPropertyRange},
        {F::IntellectualPropertyNoAmount, m_ui->intellectualPropertyLabel, m_ui->intellectualPropertyEdit,
         m_ui->intellectualPropertyRange},
        {F::JurisdictionObjection, m_ui->jurisdictionObjectionLabel, m_ui->jurisdictionObjectionEdit,
         m_ui->jurisdictionObjectionRange},
        {F::ExecutionNoAmount, m_ui->executionNoAmountLabel, m_ui->executionNoAmountEdit,
         m_ui->executionNoAmountRange},
        {F::MaritimeLimitationFund, m_ui->limitationFundLabel, m_ui->limitationFundEdit,
         m_ui->limitationFundRange},
        {F::MaritimeInjunction, m_ui->injunctionLabel, m_ui->injunctionEdit, m_ui->injunctionRange},
        {F::ShipPrioritySummons, m_ui->shipPrioritySummonsLabel, m_ui->shipPrioritySummonsEdit,
         m_ui->shipPrioritySummonsRange},
    };
    // The names and ranges come from the schedule that checks them.
    int nameWidth = 0;
    for (const Row &row : m_rows) {
        row.name->setText(LocalStandardName(row.field));
        row.range->setText(QStringLiteral("法定幅度：") + LocalStandardRangeText(row.field));
        nameWidth = std::max(nameWidth, row.name->sizeHint().width());
    }
    // The fields of both groups in one column; each takes whole yuan (its
    // length limit of six digits is set in the .ui file).
    const QRegularExpression wholeYuan(QStringLiteral("\\d*"));
    for (const Row &row : m_rows) {
        row.name->setMinimumWidth(nameWidth);
        row.edit->setValidator(new QRegularExpressionValidator(wholeYuan, row.edit));
        ExplainRejectedInput(row.edit, FieldTakes::WholeYuan);
    }
    // Large enough to show every row whole where the screen has room; else the rows scroll.
    const QMargins margins = m_ui->dialogLayout->contentsMargins();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QSize whole = m_ui->standardsPane->sizeHint() +
                        QSize(margins.left() + margins.right() + scrollBar,
                              margins.top() + margins.bottom() + m_ui->dialogLayout->spacing() +
                                  m_ui->buttonRow->sizeHint().height());
    SizeWithinScreen(this, size().expandedTo(whole));
    connect(m_ui->saveButton, &QPushButton::clicked, this, &LocalStandardsDialog::saveButtonClick);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->lowerBoundsButton, &QPushButton::clicked, this,
            &LocalStandardsDialog::lowerBoundsButtonClick);
}

LocalStandardsDialog::~LocalStandardsDialog() = default;

LocalStandards LocalStandardsDialog::readLocalStandards() const
{
    return ReadLocalStandards(m_settingsFiles->pathForReading(StandardsFile()),
                              m_settingsFiles->pathForReading(BaseAmountsFile()));
}

void LocalStandardsDialog::loadFromFiles()
{
    fill(readLocalStandards());
}

void LocalStandardsDialog::fill(const LocalStandards &local)
{
    for (const Row &row : m_rows)
        row.edit->setText(MoneyToFigures(LocalStandardAmount(local, row.field)).chopped(3));  // whole yuan
}

void LocalStandardsDialog::showMessage(const QString &text)
{
    m_messageBoxes->show(this, text, QStringLiteral("Pellumo"), MessageBoxes::Icon::None,
                         MessageBoxes::Buttons::Ok);
}

// Save: one message per attempt, the fields read in their order; after a
// message the dialog stays open with the input as the user left it.
void LocalStandardsDialog::saveButtonClick()
{
    LocalStandards local;
    for (const Row &row : m_rows) {
        const std::optional<int> amount = ParseBaseAmount(row.edit->text());
        if (!amount) {
            row.edit->setFocus();
            showMessage(
                QStringLiteral("%1：请输入整数元的金额，操作被退回。").arg(LocalStandardName(row.field)));
            return;
        }
        SetLocalStandardAmount(local, row.field, Money(*amount));
    }
    if (const std::optional<LocalStandardsFault> fault = CheckLocalStandards(local)) {
        for (const Row &row : m_rows) {
            if (row.field == fault->field)
                row.edit->setFocus();
        }
        showMessage(fault->message + QStringLiteral("，操作被退回。"));
        return;
    }
    const QString standards = m_settingsFiles->pathForWriting(StandardsFile());
    const QString baseAmounts = m_settingsFiles->pathForWriting(BaseAmountsFile());
    const bool existed = QFileInfo(standards).isFile();
    if (!WriteLocalStandards(standards, baseAmounts, local)) {
        // Both files or neither are written; the message names the one in the way.
        FileFault fault = ProbeWriteFault(standards);
        QString failed = standards;
        if (fault.error == QFileDevice::NoError) {
            failed = baseAmounts;
            fault = ProbeWriteFault(baseAmounts);
        }
        showMessage(WriteFailureText(QStringLiteral("设置文件"), failed, fault,
                                     failed == standards ? existed : QFileInfo(baseAmounts).isFile()));
        return;
    }
    accept();
}

void LocalStandardsDialog::lowerBoundsButtonClick()
{
    fill(LocalStandards());
}

}  // namespace pellumo
