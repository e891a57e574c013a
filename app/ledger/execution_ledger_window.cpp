#include "app/ledger/execution_ledger_window.h"

#include "app/ledger/case_table_models.h"
#include "app/ledger/execution_ledger_sheet.h"
#include "app/printing/sheet_actions.h"
#include "app/widgets/contract_terms_fields.h"
#include "app/services/file_dialogs.h"
#include "app/services/message_boxes.h"
#include "app/services/result_clipboard.h"
#include "app/services/settings_files.h"
#include "app/widgets/rejected_input_hint.h"
#include "app/widgets/screen_fit.h"
#include "interest/execution_ledger_text.h"
#include "interest/interest_wording.h"
#include "interest/rate_history_file.h"
#include "money/number_text.h"
#include "platform/atomic_file.h"
#include "ui_execution_ledger_window.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QRegularExpressionValidator>
#include <QStandardPaths>
#include <QStyle>
#include <QStyledItemDelegate>

namespace pellumo {
namespace {

const QString Caption = QStringLiteral("执行款计算");
const QString CaseFilter = QStringLiteral("执行款计算案件 (*") + QString::fromUtf16(CaseFileSuffix) + QLatin1Char(')');
// The folder of the last case opened or saved, one line of UTF-8.
const QString FolderFileName = QStringLiteral("ledger_folder.txt");
const QRegularExpression RatePattern(QStringLiteral("\\d{0,3}(\\.\\d{0,4})?"));
const QDate FirstOffered(1900, 1, 1);
const QDate LastOffered(9999, 12, 31);

// A positive decimal the field holds in full; nothing for "", "." or 0.
std::optional<Money> NumberIn(const QString &text, bool zeroAllowed)
{
    if (!std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    const std::optional<Money> value = Money::fromPlainDecimal(text.endsWith(QLatin1Char('.')) ? text.chopped(1) : text);
    if (!value || (!zeroAllowed && *value == 0))
        return std::nullopt;
    return value;
}

RateBasis BasisAt(int index)
{
    return index == 1 ? RateBasis::OverFiveYears : RateBasis::OneYear;
}

int IndexOf(RateBasis basis)
{
    return basis == RateBasis::OverFiveYears ? 1 : 0;
}

QString FileNameOf(const QString &caseNumber)
{
    QString name = caseNumber.trimmed();
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    name.replace(forbidden, QStringLiteral("_"));
    return name.isEmpty() ? Caption : name;
}

// Each column as wide as its header or its widest sample, whichever is
// wider, in the view's font; the stretching column takes the rest. The view
// is never lower than four rows and, where `wholeColumns`, never narrower
// than its columns, so that no amount or day is cut (the window scrolls
// instead).
void SetUpTable(QTableView *view, const QStringList &samples, int stretching, bool wholeColumns)
{
    const QFontMetrics metrics(view->font());
    QHeaderView *header = view->horizontalHeader();
    const QAbstractItemModel *model = view->model();
    int columnsWidth = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString title = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int width = std::max(metrics.horizontalAdvance(title), metrics.horizontalAdvance(samples.value(column)));
        header->resizeSection(column, width + metrics.horizontalAdvance(QStringLiteral("00")));
        columnsWidth += header->sectionSize(column);
        if (column == stretching)
            header->setSectionResizeMode(column, QHeaderView::Stretch);
    }
    header->setHighlightSections(false);
    QHeaderView *rows = view->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(metrics.height() + metrics.height() / 2 + 4);
    const int frame = 2 * view->frameWidth();
    const int scrollBar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    // A table cut to its columns' width has no horizontal scroll bar under its rows.
    const int sideways = wholeColumns ? 0 : scrollBar;
    view->setMinimumHeight(header->sizeHint().height() + 4 * rows->defaultSectionSize() + sideways + frame);
    if (wholeColumns) {
        const int numbers = rows->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 8;
        view->setMinimumWidth(columnsWidth + numbers + scrollBar + frame);
    }
}

// The width a row of boxes needs side by side, each as wide as it asks to be.
int WidthSideBySide(const QBoxLayout *row)
{
    int width = row->contentsMargins().left() + row->contentsMargins().right();
    for (int i = 0; i < row->count(); ++i) {
        if (const QWidget *widget = row->itemAt(i)->widget())
            width += widget->sizeHint().width() + (i > 0 ? row->spacing() : 0);
    }
    return width;
}

} // namespace

ExecutionLedgerWindow::ExecutionLedgerWindow(const PageServices &services, RateHistoryFile &history, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::ExecutionLedgerWindow>()), m_history(history),
      m_items(new DebtItemsModel(this)), m_credits(new CreditsModel(this)), m_excluded(new ExcludedPeriodsModel(this)),
      m_creditResults(new TextRowsModel(CreditHeader(), {1, 2, 3, 4, 5, 6, 7}, this)),
      m_segments(new TextRowsModel(DoubledSegmentHeader(), {2, 3, 6}, this))
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::Window);

    m_ui->TableItems->setModel(m_items);
    m_ui->TableItems->setItemDelegateForColumn(DebtItemsModel::Amount, NewAmountDelegate(this));
    m_ui->TableItems->setItemDelegateForColumn(DebtItemsModel::Kind, NewKindDelegate(this));
    m_ui->TableItems->setItemDelegateForColumn(DebtItemsModel::LastPerformanceDay, NewDateDelegate(this));
    m_ui->TableCredits->setModel(m_credits);
    m_ui->TableCredits->setItemDelegateForColumn(CreditsModel::Day, NewDateDelegate(this));
    m_ui->TableCredits->setItemDelegateForColumn(CreditsModel::Amount, NewAmountDelegate(this));
    m_ui->TableExcluded->setModel(m_excluded);
    m_ui->TableExcluded->setItemDelegate(NewDateDelegate(this));
    m_ui->TableCreditResults->setModel(m_creditResults);
    m_ui->TableSegments->setModel(m_segments);

    const QString amount = QStringLiteral("9999999.00");
    const QString day = QStringLiteral("0000-00-00");
    const QString dayField = day + QStringLiteral(" ▾▾");
    SetUpTable(m_ui->TableItems, {QString(), amount, QStringLiteral("鉴定费、公告费 ▾"), dayField}, DebtItemsModel::Name,
               true);
    SetUpTable(m_ui->TableCredits, {dayField, amount}, CreditsModel::Amount, true);
    SetUpTable(m_ui->TableExcluded, {dayField, dayField}, ExcludedPeriodsModel::Last, true);
    // The results scroll sideways in their tables; a long formula is cut
    // with "…" and shown whole in its cell's tooltip.
    SetUpTable(m_ui->TableCreditResults, {day, amount, amount, amount, amount, amount, amount, amount}, -1, false);
    m_ui->TableCreditResults->horizontalHeader()->setStretchLastSection(true);
    SetUpTable(m_ui->TableSegments, {day, day, QStringLiteral("0000"), amount, QString(),
                                     QStringLiteral("999999.99×0.0175%×365≈99999.99"), amount}, 5, false);
    // The formula names the rate; the rate's own column is for the copied text and the sheet.
    m_ui->TableSegments->setColumnHidden(4, true);
    for (QTableView *view : {m_ui->TableItems, m_ui->TableCredits, m_ui->TableExcluded})
        view->installEventFilter(this);
    m_ui->ScrollArea->viewport()->installEventFilter(this);

    m_ui->EditFixedRate->setValidator(new QRegularExpressionValidator(RatePattern, m_ui->EditFixedRate));
    m_ui->EditMultiplier->setValidator(new QRegularExpressionValidator(RatePattern, m_ui->EditMultiplier));
    SetUpContractTermsFields(m_ui->EditBasisPoints, m_ui->DateEditRepricingDay);
    m_ui->LabelBasisPoints->setToolTip(BasisPointsHint());
    ExplainRejectedInput(m_ui->EditFixedRate, FieldTakes::AnnualRate);
    ExplainRejectedInput(m_ui->EditMultiplier, FieldTakes::Multiplier);
    for (QDateEdit *edit : {m_ui->DateEditCalculationDay, m_ui->DateEditInterestFrom}) {
        edit->setDateRange(FirstOffered, LastOffered);
        ExplainRejectedInput(edit, FieldTakes::Day);
    }
    // A fault in dark red (the label's link colour, which it has no other use for).
    QPalette warning = m_ui->LabelResultMessage->palette();
    warning.setColor(QPalette::Link, QColor(0xb0, 0, 0));
    m_ui->LabelResultMessage->setPalette(warning);
    QFont total = m_ui->LabelOwedTotal->font();
    total.setBold(true);
    m_ui->LabelOwedTotal->setFont(total);
    m_ui->LabelOwedCapitals->setFont(total);

    // A new case: today, and one principal due today for the user to fill in.
    const QDate today = QDate::currentDate();
    m_ui->DateEditCalculationDay->setDate(today);
    m_ui->DateEditInterestFrom->setDate(today);
    m_items->insertRow(0, {QStringLiteral("本金"), 0, DebtKind::Principal, today, true});
    ComboBoxRateKindChange();

    for (QAbstractItemModel *model : std::initializer_list<QAbstractItemModel *>{m_items, m_credits, m_excluded}) {
        bind(model, &QAbstractItemModel::dataChanged, &ExecutionLedgerWindow::InputChange);
        bind(model, &QAbstractItemModel::rowsInserted, &ExecutionLedgerWindow::InputChange);
        bind(model, &QAbstractItemModel::rowsRemoved, &ExecutionLedgerWindow::InputChange);
    }
    bind(m_ui->DateEditCalculationDay, &QDateEdit::dateChanged, &ExecutionLedgerWindow::InputChange);
    bind(m_ui->ComboBoxSetOffOrder, &QComboBox::currentIndexChanged, &ExecutionLedgerWindow::InputChange);
    bind(m_ui->GroupGeneralInterest, &QGroupBox::toggled, &ExecutionLedgerWindow::ComboBoxRateKindChange);
    bind(m_ui->DateEditInterestFrom, &QDateEdit::dateChanged, &ExecutionLedgerWindow::InputChange);
    bind(m_ui->ComboBoxRateKind, &QComboBox::currentIndexChanged, &ExecutionLedgerWindow::ComboBoxRateKindChange);
    bind(m_ui->ComboBoxBasis, &QComboBox::currentIndexChanged, &ExecutionLedgerWindow::InputChange);
    bind(m_ui->EditFixedRate, &QLineEdit::textChanged, &ExecutionLedgerWindow::InputChange);
    bind(m_ui->EditMultiplier, &QLineEdit::textChanged, &ExecutionLedgerWindow::InputChange);
    bind(m_ui->ComboBoxDaysPerYear, &QComboBox::currentIndexChanged, &ExecutionLedgerWindow::InputChange);
    bind(m_ui->EditBasisPoints, &QLineEdit::textChanged, &ExecutionLedgerWindow::InputChange);
    bind(m_ui->ComboBoxRepricing, &QComboBox::currentIndexChanged, &ExecutionLedgerWindow::ComboBoxRateKindChange);
    bind(m_ui->DateEditRepricingDay, &QDateEdit::dateChanged, &ExecutionLedgerWindow::InputChange);
    bind(m_ui->ComboBoxDayCount, &QComboBox::currentIndexChanged, &ExecutionLedgerWindow::InputChange);
    bind(m_ui->ButtonAddItem, &QPushButton::clicked, &ExecutionLedgerWindow::ButtonAddItemClick);
    bind(m_ui->ButtonRemoveItem, &QPushButton::clicked, &ExecutionLedgerWindow::ButtonRemoveItemClick);
    bind(m_ui->ButtonAddCredit, &QPushButton::clicked, &ExecutionLedgerWindow::ButtonAddCreditClick);
    bind(m_ui->ButtonRemoveCredit, &QPushButton::clicked, &ExecutionLedgerWindow::ButtonRemoveCreditClick);
    bind(m_ui->ButtonAddExcluded, &QPushButton::clicked, &ExecutionLedgerWindow::ButtonAddExcludedClick);
    bind(m_ui->ButtonRemoveExcluded, &QPushButton::clicked, &ExecutionLedgerWindow::ButtonRemoveExcludedClick);
    bind(m_ui->ButtonCopy, &QPushButton::clicked, &ExecutionLedgerWindow::ButtonCopyClick);
    bind(m_ui->ButtonSave, &QPushButton::clicked, &ExecutionLedgerWindow::ButtonSaveClick);
    bind(m_ui->ButtonOpen, &QPushButton::clicked, &ExecutionLedgerWindow::ButtonOpenClick);
    connect(m_ui->ButtonClose, &QPushButton::clicked, this, &QWidget::close);
    BindSheetButtons(m_ui->ButtonPrint, m_ui->ButtonExportPdf, services, [this] { return sheet(); });

    InputChange();
    m_keptBytes = CaseFileBytes(caseOnScreen());
    OpenWithinScreen(this, QSize(1320, 690));
}

// A cell editor still open commits its text while the window is taken down;
// nothing may recompute then.
ExecutionLedgerWindow::~ExecutionLedgerWindow()
{
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

CaseRecord ExecutionLedgerWindow::caseOnScreen() const
{
    CaseRecord record;
    record.caseNumber = m_ui->EditCaseNumber->text();
    record.parties = m_ui->EditParties->text();
    ExecutionCase &c = record.executionCase;
    c.items = m_items->rows();
    c.credits = m_credits->rows();
    c.excluded = m_excluded->rows();
    c.order = m_ui->ComboBoxSetOffOrder->currentIndex() == 1 ? SetOffOrder::CostsPrincipalInterest
                                                              : SetOffOrder::CostsInterestPrincipal;
    c.calculationDay = m_ui->DateEditCalculationDay->date();
    GeneralInterest &g = c.generalInterest;
    g.awarded = m_ui->GroupGeneralInterest->isChecked();
    g.from = m_ui->DateEditInterestFrom->date();
    if (m_ui->ComboBoxRateKind->currentIndex() == 1)
        g.fixedAnnualRatePercent = NumberIn(m_ui->EditFixedRate->text(), true);
    g.basis = BasisAt(m_ui->ComboBoxBasis->currentIndex());
    g.multiplier = NumberIn(m_ui->EditMultiplier->text(), false).value_or(Money(1));
    g.daysPerYear = m_ui->ComboBoxDaysPerYear->currentIndex() == 1 ? 365 : 360;
    g.basisPoints = BasisPointsIn(m_ui->EditBasisPoints->text()).value_or(0);
    g.repricing = RepricingAt(m_ui->ComboBoxRepricing->currentIndex());
    g.repricingMonth = m_ui->DateEditRepricingDay->date().month();
    g.repricingDay = m_ui->DateEditRepricingDay->date().day();
    g.countLastDay = m_ui->ComboBoxDayCount->currentIndex() == 0;
    return record;
}

void ExecutionLedgerWindow::showCase(const CaseRecord &record)
{
    const ExecutionCase &c = record.executionCase;
    const GeneralInterest &g = c.generalInterest;
    m_showingCase = true;
    m_ui->EditCaseNumber->setText(record.caseNumber);
    m_ui->EditParties->setText(record.parties);
    m_ui->DateEditCalculationDay->setDate(c.calculationDay);
    m_ui->ComboBoxSetOffOrder->setCurrentIndex(c.order == SetOffOrder::CostsPrincipalInterest ? 1 : 0);
    m_ui->GroupGeneralInterest->setChecked(g.awarded);
    if (g.from.isValid())
        m_ui->DateEditInterestFrom->setDate(g.from);
    m_ui->ComboBoxRateKind->setCurrentIndex(g.fixedAnnualRatePercent ? 1 : 0);
    m_ui->EditFixedRate->setText(g.fixedAnnualRatePercent ? DecimalText(*g.fixedAnnualRatePercent) : QString());
    m_ui->ComboBoxBasis->setCurrentIndex(IndexOf(g.basis));
    m_ui->EditMultiplier->setText(DecimalText(g.multiplier));
    m_ui->ComboBoxDaysPerYear->setCurrentIndex(g.daysPerYear == 365 ? 1 : 0);
    m_ui->EditBasisPoints->setText(QString::number(g.basisPoints));
    m_ui->ComboBoxRepricing->setCurrentIndex(RepricingIndex(g.repricing));
    m_ui->DateEditRepricingDay->setDate(QDate(2000, g.repricingMonth, g.repricingDay));
    m_ui->ComboBoxDayCount->setCurrentIndex(g.countLastDay ? 0 : 1);
    m_items->setRows(c.items);
    m_credits->setRows(c.credits);
    m_excluded->setRows(c.excluded);
    m_showingCase = false;
    ComboBoxRateKindChange();
    m_keptBytes = CaseFileBytes(caseOnScreen());
}

// What the calculation cannot be given at all: the general interest's rate or
// multiplier typed unfinished.
QString ExecutionLedgerWindow::inputProblem() const
{
    if (!m_ui->GroupGeneralInterest->isChecked())
        return {};
    if (m_ui->ComboBoxRateKind->currentIndex() == 1) {
        const std::optional<Money> rate = NumberIn(m_ui->EditFixedRate->text(), true);
        if (!rate || *rate > 100)
            return QStringLiteral("一般债务利息：请填写判决确定的年利率（百分数，0至100，如“6”表示年利率6%）。");
    }
    if (!NumberIn(m_ui->EditMultiplier->text(), false))
        return QStringLiteral("一般债务利息：倍数须为大于零的数（判决未另定的为1）。");
    if (!BasisPointsIn(m_ui->EditBasisPoints->text()))
        return QStringLiteral("一般债务利息：加点须为-10000至10000的整数基点（未约定加点的为0）。");
    return {};
}

// The one place that calls the calculation.
void ExecutionLedgerWindow::InputChange()
{
    if (m_showingCase)
        return;
    if (const QString problem = inputProblem(); !problem.isEmpty()) {
        m_shownLedger = {};
        m_shownLedger.error = problem;
        showMessage(QStringLiteral("无法计算：") + problem, true);
        return;
    }
    m_shownRecord = caseOnScreen();
    m_shownLedger = ComputeExecutionLedger(m_shownRecord.executionCase, m_history.current());
    if (m_shownLedger.error.isEmpty())
        showLedger(m_shownLedger);
    else if (untouched(m_shownRecord.executionCase))
        showMessage(QStringLiteral("请在“债务项目”中填写生效法律文书确定的金钱债务（分期履行的每期一行），"
                                   "在“还款”中填写每笔还款或执行到位款的日期和金额。"),
                    false);
    else
        showMessage(QStringLiteral("无法计算：") + m_shownLedger.error, true);
}

// A new case before the first amount: the window asks for the input instead
// of finding fault with it.
bool ExecutionLedgerWindow::untouched(const ExecutionCase &c)
{
    return c.credits.isEmpty() && c.excluded.isEmpty() &&
           std::all_of(c.items.cbegin(), c.items.cend(), [](const DebtItem &item) { return item.amount == 0; });
}

void ExecutionLedgerWindow::showLedger(const ExecutionLedger &ledger)
{
    m_creditResults->setRows(CreditRows(ledger));
    m_segments->setRows(DoubledSegmentRows(ledger));
    m_ui->LabelOwedCosts->setText(QStringLiteral("尚欠费用：") + MoneyToFigures(ledger.owedCosts) + QStringLiteral("元"));
    m_ui->LabelOwedGeneralInterest->setText(QStringLiteral("尚欠一般债务利息：") + MoneyToFigures(ledger.owedGeneralInterest) +
                                            QStringLiteral("元"));
    m_ui->LabelOwedPrincipal->setText(QStringLiteral("尚欠本金：") + MoneyToFigures(ledger.owedPrincipal) + QStringLiteral("元"));
    m_ui->LabelOwedDoubled->setText(QStringLiteral("尚欠加倍部分债务利息：") + MoneyToFigures(ledger.owedDoubled) +
                                    QStringLiteral("元"));
    const Money surplus = LedgerSurplus(ledger);
    // The column of a surplus only where there is one.
    m_ui->TableCreditResults->setColumnHidden(6, surplus == 0);
    m_ui->LabelSurplus->setText(surplus > 0 ? QStringLiteral("超出应付部分：") + MoneyToFigures(surplus) + QStringLiteral("元")
                                            : QString());
    m_ui->LabelOwedTotal->setText(QStringLiteral("合计尚欠：") + MoneyToFigures(ledger.owedTotal) + QStringLiteral("元"));
    m_ui->LabelOwedCapitals->setText(QStringLiteral("大写：") + RmbCapitals(ledger.owedTotal));
    m_ui->StackResult->setCurrentWidget(m_ui->PageResult);
    for (QPushButton *button : {m_ui->ButtonCopy, m_ui->ButtonPrint, m_ui->ButtonExportPdf})
        button->setEnabled(true);
}

void ExecutionLedgerWindow::showMessage(const QString &message, bool fault)
{
    m_ui->LabelResultMessage->setForegroundRole(fault ? QPalette::Link : QPalette::WindowText);
    m_ui->LabelResultMessage->setText(message);
    m_ui->StackResult->setCurrentWidget(m_ui->PageMessage);
    for (QPushButton *button : {m_ui->ButtonCopy, m_ui->ButtonPrint, m_ui->ButtonExportPdf})
        button->setEnabled(false);
}

// The fixed rate's field counts only for a fixed rate, the term and the
// repricing only for the rates in force, the repricing day only for a yearly
// repricing, and none without general interest.
void ExecutionLedgerWindow::ComboBoxRateKindChange()
{
    // The group box enables and disables its children itself when it is
    // ticked; these follow it.
    const bool awarded = m_ui->GroupGeneralInterest->isChecked();
    const bool fixed = m_ui->ComboBoxRateKind->currentIndex() == 1;
    m_ui->EditFixedRate->setEnabled(awarded && fixed);
    m_ui->LabelFixedRate->setEnabled(awarded && fixed);
    m_ui->ComboBoxBasis->setEnabled(awarded && !fixed);
    m_ui->LabelBasis->setEnabled(awarded && !fixed);
    m_ui->ComboBoxRepricing->setEnabled(awarded && !fixed);
    m_ui->LabelRepricing->setEnabled(awarded && !fixed);
    const bool yearly = RepricingAt(m_ui->ComboBoxRepricing->currentIndex()) == Repricing::Yearly;
    m_ui->DateEditRepricingDay->setEnabled(awarded && !fixed && yearly);
    m_ui->LabelRepricingDay->setEnabled(awarded && !fixed && yearly);
    InputChange();
}

// Insert adds a row below the current one, Delete removes the selected rows,
// in each of the three tables (an open cell editor keeps both keys); the
// tables follow the width of the window.
bool ExecutionLedgerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->ScrollArea->viewport() && event->type() == QEvent::Resize) {
        const QMargins margins = m_ui->WindowLayout->contentsMargins();
        stackRowsWhenNarrow(static_cast<QResizeEvent *>(event)->size().width() - margins.left() - margins.right());
    }
    auto *view = qobject_cast<QTableView *>(watched);
    if (view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Insert || key == Qt::Key_Delete) {
            services().errors->guarded([this, view, key] { key == Qt::Key_Insert ? addRowTo(view) : RemoveChosenRows(view); });
            return true;
        }
    }
    return Page::eventFilter(watched, event);
}

// The groups of a row side by side where the window is wide enough for
// them, the tables with all their columns, else one above the other (a small
// screen or a large display scale); the two result tables go with the three
// tables above them.
void ExecutionLedgerWindow::stackRowsWhenNarrow(int room)
{
    const auto directionFor = [room](const QBoxLayout *row) {
        return WidthSideBySide(row) > room ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
    };
    m_ui->TopRow->setDirection(directionFor(m_ui->TopRow));
    const QBoxLayout::Direction tables = directionFor(m_ui->TablesRow);
    if (tables == m_ui->TablesRow->direction())
        return;
    m_ui->TablesRow->setDirection(tables);
    m_ui->ResultTablesRow->setDirection(tables);
    arrangeOwed(tables == QBoxLayout::LeftToRight ? 5 : 2);
}

// The owed amounts in a row of five, or in two columns beside a narrow
// window's stacked tables; the total and its capitals below them, the
// capitals wrapped when narrow.
void ExecutionLedgerWindow::arrangeOwed(int columns)
{
    QGridLayout *grid = m_ui->OwedLayout;
    m_ui->LabelOwedCapitals->setWordWrap(columns <= 2);
    const QList<QLabel *> parts = {m_ui->LabelOwedCosts, m_ui->LabelOwedGeneralInterest, m_ui->LabelOwedPrincipal,
                                   m_ui->LabelOwedDoubled, m_ui->LabelSurplus};
    for (QLabel *label : parts + QList<QLabel *>{m_ui->LabelOwedTotal, m_ui->LabelOwedCapitals})
        grid->removeWidget(label);
    for (int i = 0; i < parts.size(); ++i)
        grid->addWidget(parts[i], i / columns, i % columns);
    const int below = (int(parts.size()) + columns - 1) / columns;
    if (columns > 2) {
        grid->addWidget(m_ui->LabelOwedTotal, below, 0, 1, 2);
        grid->addWidget(m_ui->LabelOwedCapitals, below, 2, 1, columns - 2);
    } else {
        grid->addWidget(m_ui->LabelOwedTotal, below, 0, 1, columns);
        grid->addWidget(m_ui->LabelOwedCapitals, below + 1, 0, 1, columns);
    }
}

void ExecutionLedgerWindow::addRowTo(QTableView *view)
{
    const int at = view->currentIndex().isValid() ? view->currentIndex().row() + 1 : -1;
    const QDate day = m_ui->DateEditCalculationDay->date();
    int row = 0;
    if (view == m_ui->TableItems) {
        // An instalment usually follows the one above it: same name and kind.
        DebtItem item{QStringLiteral("本金"), 0, DebtKind::Principal, day, true};
        if (at > 0)
            item = m_items->rows()[at - 1];
        item.amount = 0;
        row = m_items->insertRow(at, item);
    } else if (view == m_ui->TableCredits) {
        row = m_credits->insertRow(at, {day, 0});
    } else {
        row = m_excluded->insertRow(at, {day, day});
    }
    view->setCurrentIndex(view->model()->index(row, 0));
    view->setFocus();
}

void ExecutionLedgerWindow::ButtonAddItemClick()
{
    addRowTo(m_ui->TableItems);
}

void ExecutionLedgerWindow::ButtonRemoveItemClick()
{
    RemoveChosenRows(m_ui->TableItems);
}

void ExecutionLedgerWindow::ButtonAddCreditClick()
{
    addRowTo(m_ui->TableCredits);
}

void ExecutionLedgerWindow::ButtonRemoveCreditClick()
{
    RemoveChosenRows(m_ui->TableCredits);
}

void ExecutionLedgerWindow::ButtonAddExcludedClick()
{
    addRowTo(m_ui->TableExcluded);
}

void ExecutionLedgerWindow::ButtonRemoveExcludedClick()
{
    RemoveChosenRows(m_ui->TableExcluded);
}

void ExecutionLedgerWindow::ButtonCopyClick()
{
    if (m_shownLedger.error.isEmpty())
        services().clipboard->copy(ExecutionLedgerCopyText(m_shownRecord, m_shownLedger));
}

std::optional<CalculationSheet> ExecutionLedgerWindow::sheet()
{
    if (!m_shownLedger.error.isEmpty())
        return std::nullopt;
    return ExecutionLedgerSheet(m_shownRecord, m_shownLedger, m_history.current());
}

void ExecutionLedgerWindow::ButtonSaveClick()
{
    if (const QString problem = inputProblem(); !problem.isEmpty()) {
        services().messageBoxes->show(this, QStringLiteral("请先改正后再保存。") + problem, Caption,
                                      MessageBoxes::Icon::Exclamation, MessageBoxes::Buttons::Ok);
        return;
    }
    const QString suffix = QString::fromUtf16(CaseFileSuffix);
    const QString offered = QDir(lastFolder()).filePath(FileNameOf(m_ui->EditCaseNumber->text()) + suffix);
    QString path = services().fileDialogs->saveFileName(this, QStringLiteral("保存案件"), offered, CaseFilter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(suffix))
        path += suffix;
    if (const QString error = WriteCaseFile(path, caseOnScreen()); !error.isEmpty()) {
        services().messageBoxes->show(this, error, Caption, MessageBoxes::Icon::Error, MessageBoxes::Buttons::Ok);
        return;
    }
    m_keptBytes = CaseFileBytes(caseOnScreen());
    rememberFolder(path);
}

// A file that cannot be read changes nothing on screen.
void ExecutionLedgerWindow::ButtonOpenClick()
{
    if (CaseFileBytes(caseOnScreen()) != m_keptBytes &&
        services().messageBoxes->show(this, QStringLiteral("当前案件的修改尚未保存，打开其他案件将放弃这些修改。是否继续？"), Caption,
                                      MessageBoxes::Icon::Exclamation, MessageBoxes::Buttons::YesNo) != MessageBoxes::Answer::Yes)
        return;
    const QString path = services().fileDialogs->openFileName(this, QStringLiteral("打开案件"), lastFolder(), CaseFilter);
    if (path.isEmpty())
        return;
    const CaseFileReading reading = ReadCaseFile(path);
    if (!reading.record) {
        services().messageBoxes->show(this, reading.error, Caption, MessageBoxes::Icon::Exclamation,
                                      MessageBoxes::Buttons::Ok);
        return;
    }
    showCase(*reading.record);
    rememberFolder(path);
}

QString ExecutionLedgerWindow::lastFolder() const
{
    QFile file(services().settingsFiles->pathForReading(FolderFileName));
    if (file.size() <= 4096 && file.open(QIODevice::ReadOnly))
        return DialogStartFolder(QString::fromUtf8(file.readAll()).trimmed());
    return DialogStartFolder();
}

// A convenience: when it cannot be written the dialogs start in the
// documents folder next time, and nothing else changes.
void ExecutionLedgerWindow::rememberFolder(const QString &filePath) const
{
    const QString folder = QFileInfo(filePath).absolutePath();
    if (folder != lastFolder())
        WriteFileAtomically(services().settingsFiles->pathForWriting(FolderFileName), folder.toUtf8() + '\n');
}

} // namespace pellumo
