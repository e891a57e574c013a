#include "app/all_fees/all_fees_window.h"

#include "app/all_fees/fee_kinds.h"
#include "app/dialogs/local_standards_dialog.h"
#include "app/pages/fee_amount.h"
#include "app/printing/sheet_actions.h"
#include "app/services/result_clipboard.h"
#include "app/widgets/amount_fields.h"
#include "app/widgets/screen_fit.h"
#include "app/window/window_styles.h"
#include "fees/amount_reading.h"
#include "money/unfinished_money_text.h"
#include "ui_all_fees_window.h"

#include <QDate>
#include <QScrollBar>
#include <QSplitter>
#include <algorithm>
#include <QStyledItemDelegate>

namespace pellumo {
namespace {

constexpr int KindRole = Qt::UserRole;

// A little air between the rows of Chinese text.
class RowSpacingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 6);
    }
};

void SetTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace

AllFeesWindow::AllFeesWindow(const PageServices &services, FeeKind initialKind, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::AllFeesWindow>())
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    setWindowFlag(Qt::Window);
    KeepUnselectedOnFocus(m_ui->amountEdit);
    fillKindList();

    OpenWithinScreen(this, size());

    m_localStandardsDialog = new LocalStandardsDialog(services.settingsFiles, services.messageBoxes, this);

    bind(m_ui->kindList, &QTreeWidget::currentItemChanged, &AllFeesWindow::kindListCurrentItemChanged);
    bind(m_ui->amountEdit, &QLineEdit::textChanged, &AllFeesWindow::amountEditChange);
    bind(m_ui->amountEdit, &QLineEdit::returnPressed, &AllFeesWindow::amountEditKeyPress);
    for (QCheckBox *reduction : {m_ui->mediatedCheck, m_ui->simplifiedCheck, m_ui->counterclaimCheck})
        bind(reduction, &QCheckBox::toggled, &AllFeesWindow::recalculate);
    bind(m_localStandardsDialog, &QDialog::accepted, &AllFeesWindow::localStandardsDialogAccepted);
    bind(m_ui->copyButton, &QPushButton::clicked, &AllFeesWindow::copyButtonClick);
    bind(m_ui->localStandardsButton, &QPushButton::clicked, &AllFeesWindow::localStandardsButtonClick);
    bind(m_ui->closeButton, &QPushButton::clicked, &AllFeesWindow::closeButtonClick);
    BindSheetButtons(m_ui->printButton, m_ui->exportPdfButton, services, [this] { return sheet(); });

    selectKind(initialKind);
    m_ui->amountEdit->setFocus();
}

AllFeesWindow::~AllFeesWindow() = default;

// The splitter has its width once the window is laid out for its first showing.
void AllFeesWindow::showEvent(QShowEvent *event)
{
    Page::showEvent(event);
    if (!m_widthShared) {
        m_widthShared = true;
        shareWidthWithKindList();
    }
}

void AllFeesWindow::fillKindList()
{
    QTreeWidget *list = m_ui->kindList;
    list->setItemDelegate(new RowSpacingDelegate(list));
    QTreeWidgetItem *group = nullptr;
    for (const FeeKind kind : AllFeeKinds()) {
        if (!group || group->text(0) != FeeGroupName(kind)) {
            group = new QTreeWidgetItem(list, QStringList{FeeGroupName(kind)});
            group->setFlags(Qt::ItemIsEnabled);  // a heading, not a choice
            group->setFirstColumnSpanned(true);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
        }
        auto *item = new QTreeWidgetItem(group, QStringList{FeeKindName(kind), FeeKindCitation(kind)});
        item->setData(0, KindRole, static_cast<int>(kind));
    }
    list->expandAll();
    list->resizeColumnToContents(0);
    list->resizeColumnToContents(1);
}

// The kind list as wide as its names and articles where the window has room
// for them beside the calculation, which takes at least half; a list
// narrower than its columns scrolls sideways.
void AllFeesWindow::shareWidthWithKindList()
{
    QTreeWidget *list = m_ui->kindList;
    const int wholeList = list->columnWidth(0) + list->columnWidth(1) + 2 * list->frameWidth() +
                          list->verticalScrollBar()->sizeHint().width();
    const int room = m_ui->splitter->width() - m_ui->splitter->handleWidth();
    const int calculation = std::max(m_ui->calculationPane->sizeHint().width() +
                                         m_ui->calculationScroll->verticalScrollBar()->sizeHint().width(),
                                     room / 2);
    const int kinds = std::min(room - calculation, wholeList);
    m_ui->splitter->setSizes({kinds, room - kinds});
    m_ui->splitter->setStretchFactor(1, 1);
}

void AllFeesWindow::selectKind(FeeKind kind)
{
    QTreeWidget *list = m_ui->kindList;
    for (int g = 0; g < list->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = list->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            if (group->child(i)->data(0, KindRole).toInt() == static_cast<int>(kind)) {
                list->setCurrentItem(group->child(i));
                return;
            }
        }
    }
}

// A heading takes the keyboard's current row on the way to the next kind
// but is no choice: the kind stays as it was.
void AllFeesWindow::kindListCurrentItemChanged()
{
    const QTreeWidgetItem *item = m_ui->kindList->currentItem();
    if (!item || !item->data(0, KindRole).isValid())
        return;
    m_kind = static_cast<FeeKind>(item->data(0, KindRole).toInt());
    enableForKind();
    recalculate();
}

void AllFeesWindow::enableForKind()
{
    const FeeKind kind = currentKind();
    const FeeAmountUse use = FeeKindAmountUse(kind);
    const bool takesAmount = use != FeeAmountUse::None;
    m_ui->amountEdit->setEnabled(takesAmount);
    m_ui->amountUnitLabel->setEnabled(takesAmount);
    m_ui->amountLabel->setEnabled(takesAmount);
    m_ui->amountLabel->setText(takesAmount ? FeeKindAmountLabel(kind) : QStringLiteral("金额"));
    m_ui->amountEdit->setPlaceholderText(use == FeeAmountUse::Optional ? QStringLiteral("无则不填")
                                                                       : QString());
    const bool reducible = TakesReductions(kind);
    for (QCheckBox *reduction : {m_ui->mediatedCheck, m_ui->simplifiedCheck, m_ui->counterclaimCheck})
        reduction->setEnabled(reducible);
}

// The amount is read as on the fee pages: a refused text empties the field
// (and comes back here empty), an unfinished one is left as it is.
void AllFeesWindow::amountEditChange()
{
    if (FeeKindAmountUse(currentKind()) == FeeAmountUse::None) {
        recalculate();
        return;
    }
    bool shown = false;
    CalculateFromAmount(m_ui->amountEdit, [this, &shown](const Money &amount) {
        shown = true;
        showFee(amount);
    });
    if (!shown)
        recalculate();
}

void AllFeesWindow::amountEditKeyPress()
{
    EmptyAndFocus(m_ui->amountEdit);
}

// Runs on a change of the kind or the reductions, and for an amount field
// that holds no value: reads the field without touching it.
void AllFeesWindow::recalculate()
{
    const FeeKind kind = currentKind();
    const QString text = m_ui->amountEdit->text();
    if (FeeKindAmountUse(kind) == FeeAmountUse::None || text.isEmpty()) {
        showFee(std::nullopt);
        return;
    }
    const AmountReading reading = ReadAmount(text);
    if (reading.outcome == AmountReading::Outcome::Value)
        showFee(reading.value);
    else if (IsUnfinishedPositiveMoneyText(text))
        showMessage(QStringLiteral("请继续输入%1。").arg(FeeKindAmountLabel(kind)));
    else
        showMessage(QStringLiteral("%1应为大于零的数额。").arg(FeeKindAmountLabel(kind)));
}

// The one place that calls the fee schedule.
void AllFeesWindow::showFee(const std::optional<Money> &amount)
{
    const FeeKind kind = currentKind();
    m_ui->amountWordsLabel->setText(amount ? MoneyToChinese(*amount) : QString());
    Reductions reductions;
    if (TakesReductions(kind)) {
        reductions.mediatedOrWithdrawn = m_ui->mediatedCheck->isChecked();
        reductions.simplifiedProcedure = m_ui->simplifiedCheck->isChecked();
        reductions.counterclaim = m_ui->counterclaimCheck->isChecked();
    }
    // Read anew on every run: a save in either dialog counts from the next calculation.
    const LocalStandards local = m_localStandardsDialog->readLocalStandards();
    FeeResult result = ComputeFee(kind, amount, local, reductions);
    if (!result.error.isEmpty()) {
        showMessage(result.error);
        return;
    }
    SetTextColour(m_ui->feeFiguresLabel, QColor(Qt::darkBlue));
    m_ui->feeFiguresLabel->setText(MoneyToFigures(result.fee) + QStringLiteral("元"));
    m_ui->feeCapitalsLabel->setText(FeeInCapitals(result.fee));
    m_ui->legalBasisLabel->setText(QStringLiteral("依据：") + result.legalBasis);
    QStringList lines;
    for (const FeeStep &step : result.steps)
        lines << step.text;
    m_ui->stepsView->setPlainText(lines.join(QLatin1Char('\n')));
    m_ui->copyButton->setEnabled(true);
    m_shown = FeeCalculation{kind, amount, reductions, QString(), QString(), std::move(result)};
}

void AllFeesWindow::showMessage(const QString &message)
{
    m_shown.reset();
    SetTextColour(m_ui->feeFiguresLabel, QColor(Qt::darkRed));
    m_ui->feeFiguresLabel->setText(message);
    m_ui->feeCapitalsLabel->clear();
    m_ui->legalBasisLabel->clear();
    m_ui->stepsView->clear();
    m_ui->copyButton->setEnabled(false);
}

void AllFeesWindow::copyButtonClick()
{
    if (!m_shown)
        return;
    FeeCalculation calculation = *m_shown;
    calculation.caseNumber = m_ui->caseNumberEdit->text();
    calculation.parties = m_ui->partiesEdit->text();
    services().clipboard->copy(FeeCalculationText(calculation));
}

std::optional<CalculationSheet> AllFeesWindow::sheet() const
{
    if (!m_shown)
        return std::nullopt;
    FeeCalculation calculation = *m_shown;
    calculation.caseNumber = m_ui->caseNumberEdit->text();
    calculation.parties = m_ui->partiesEdit->text();
    return FeeCalculationSheet(calculation, QDate::currentDate());
}

void AllFeesWindow::localStandardsButtonClick()
{
    m_localStandardsDialog->loadFromFiles();
    m_localStandardsDialog->open();
}

void AllFeesWindow::localStandardsDialogAccepted()
{
    recalculate();
    Q_EMIT localStandardsSaved();
}

void AllFeesWindow::settingsChanged()
{
    recalculate();
}

void AllFeesWindow::closeButtonClick()
{
    close();
}

void OpenAllFeesWindow(QPointer<AllFeesWindow> &window, const PageServices &services, FeeKind initialKind,
                       QWidget *page)
{
    if (!window)
        window = new AllFeesWindow(services, initialKind, page);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace pellumo
