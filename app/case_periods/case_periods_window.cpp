#include "app/case_periods/case_periods_window.h"

#include "app/case_periods/case_periods_sheet.h"
#include "app/case_periods/period_table_models.h"
#include "app/printing/sheet_actions.h"
#include "app/services/default_error_display.h"
#include "app/services/file_dialogs.h"
#include "app/services/message_boxes.h"
#include "app/services/result_clipboard.h"
#include "app/services/settings_files.h"
#include "app/widgets/rejected_input_hint.h"
#include "dates/deadline.h"
#include "platform/atomic_file.h"
#include "ui_case_periods_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <algorithm>

namespace pellumo {
namespace {

const QString Caption = QStringLiteral("审限与刑期");
const QString CaseFilter =
    QStringLiteral("审限与刑期案件 (*") + QString::fromUtf16(CasePeriodsFileSuffix) + QLatin1Char(')');
// The folder of the last case opened or saved, one line of UTF-8.
const QString FolderFileName = QStringLiteral("case_periods_folder.txt");
const QDate FirstOffered(1900, 1, 1);
const QDate LastOffered(9999, 12, 31);
constexpr int ProcedureCount = int(Procedure::AdministrativeSecondInstance) + 1;
constexpr int RowsShownAtLeast = 4;

// What a clerk sees whole on a 1366×768 screen, title bar and task bar
// included; on a smaller screen, or at a larger scale, the window fits the
// screen and the content of each tab scrolls.
QSize OpeningSize(const QWidget *window)
{
    const QSize wanted(1280, 700);
    const QScreen *screen = window->screen();
    if (!screen)
        return wanted;
    return wanted.boundedTo(screen->availableGeometry().size() - QSize(24, 72));
}

QString FileNameOf(const QString &caseNumber)
{
    QString name = caseNumber.trimmed();
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    name.replace(forbidden, QStringLiteral("_"));
    return name.isEmpty() ? Caption : name;
}

// Each column as wide as its header or its widest sample in the view's
// font, the stretching one taking the rest; at least four rows high and
// never narrower than its columns, so that no day is cut.
void SetUpTable(QTableView *view, const QStringList &samples, int stretching)
{
    const QFontMetrics metrics(view->font());
    QHeaderView *header = view->horizontalHeader();
    const QAbstractItemModel *model = view->model();
    int columnsWidth = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString title = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int width = std::max(metrics.horizontalAdvance(title), metrics.horizontalAdvance(samples.value(column))) +
                          metrics.horizontalAdvance(QStringLiteral("00"));
        header->resizeSection(column, width);
        columnsWidth += width;
        if (column == stretching)
            header->setSectionResizeMode(column, QHeaderView::Stretch);
    }
    header->setHighlightSections(false);
    const int rowHeight = metrics.height() + metrics.height() / 2 + 4;
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    const int frame = 2 * view->frameWidth();
    const int rowNumbers = metrics.horizontalAdvance(QStringLiteral("000")) + 8;
    view->setMinimumWidth(columnsWidth + rowNumbers + frame + view->verticalScrollBar()->sizeHint().width());
    view->setMinimumHeight(header->sizeHint().height() + RowsShownAtLeast * rowHeight + frame);
}

// Steps a few lines high at least, in any font.
void SetUpSteps(QPlainTextEdit *steps)
{
    steps->setMinimumHeight(steps->fontMetrics().lineSpacing() * 4 + 2 * steps->frameWidth() + 8);
}

void EnableDayOption(QCheckBox *option, QDateEdit *day, bool allowed)
{
    option->setEnabled(allowed);
    day->setEnabled(allowed && option->isChecked());
}

std::optional<QDate> DayIfChosen(const QCheckBox *option, const QDateEdit *day)
{
    if (option->isEnabled() && option->isChecked())
        return day->date();
    return std::nullopt;
}

void ShowDayOption(QCheckBox *option, QDateEdit *day, const std::optional<QDate> &chosen)
{
    option->setChecked(chosen.has_value());
    if (chosen)
        day->setDate(*chosen);
}

// The wording of the longer criminal period, by procedure; empty where
// there is none.
QString LongerPeriodText(Procedure procedure)
{
    switch (procedure) {
    case Procedure::CriminalFirstInstance:
        return QStringLiteral("适用至迟三个月的审限");
    case Procedure::CriminalSimplified:
        return QStringLiteral("可能判处的有期徒刑超过三年（一个半月）");
    case Procedure::CriminalExpedited:
        return QStringLiteral("可能判处的有期徒刑超过一年（十五日）");
    default:
        return {};
    }
}

// The extension a new row of the table offers: what the law lets the
// president or the higher court approve at once for the procedure.
Extension UsualExtension(Procedure procedure)
{
    switch (procedure) {
    case Procedure::CivilOrdinary:
        return {6, 0};
    case Procedure::Execution:
    case Procedure::NonLitigationExecution:
    case Procedure::CriminalFirstInstance:
        return {3, 0};
    case Procedure::CriminalSecondInstance:
        return {2, 0};
    default:
        return {1, 0};
    }
}

int NumberIn(const QLineEdit *field)
{
    return field->text().toInt();  // an empty field holds 0
}

QString NumberText(int number)
{
    return number == 0 ? QString() : QString::number(number);
}

} // namespace

CasePeriodsWindow::CasePeriodsWindow(const PageServices &services, CalendarInUse calendar, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::CasePeriodsWindow>()), m_calendar(std::move(calendar)),
      m_notCounted(new NotCountedModel(this)), m_extensions(new ExtensionsModel(this)), m_custody(new CustodyModel(this))
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::Window);
    setUpTables();
    setUpFields();
    bindControls();
    ComboBoxProcedureChange();
    m_keptBytes = keptBytesOnScreen();
    resize(OpeningSize(this));
}

// A cell editor still open commits its text while the window is taken down;
// nothing may recompute then.
CasePeriodsWindow::~CasePeriodsWindow()
{
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

void CasePeriodsWindow::setUpTables()
{
    m_ui->TableNotCounted->setModel(m_notCounted);
    m_ui->TableNotCounted->setItemDelegateForColumn(NotCountedModel::First, NewDateDelegate(this));
    m_ui->TableNotCounted->setItemDelegateForColumn(NotCountedModel::Last, NewDateDelegate(this));
    auto reasons = [this] {
        QStringList offered;
        for (const NotCountedReason &reason : NotCountedReasons(procedure()))
            offered.append(reason.reason);
        return offered;
    };
    m_ui->TableNotCounted->setItemDelegateForColumn(NotCountedModel::Reason, NewReasonDelegate(reasons, this));
    m_ui->TableExtensions->setModel(m_extensions);
    m_ui->TableExtensions->setItemDelegateForColumn(
        ExtensionsModel::Months, NewWholeNumberDelegate(2, QStringLiteral("月数只能是0至99的整数"), this));
    m_ui->TableExtensions->setItemDelegateForColumn(
        ExtensionsModel::Days, NewWholeNumberDelegate(3, QStringLiteral("天数只能是0至999的整数"), this));
    m_ui->TableCustody->setModel(m_custody);
    m_ui->TableCustody->setItemDelegateForColumn(CustodyModel::First, NewDateDelegate(this));
    m_ui->TableCustody->setItemDelegateForColumn(CustodyModel::Last, NewDateDelegate(this));
    m_ui->TableCustody->setItemDelegateForColumn(CustodyModel::Kind, NewCustodyKindDelegate(this));

    const QString dayField = QStringLiteral("0000-00-00 ▾▾");
    SetUpTable(m_ui->TableNotCounted, {dayField, dayField, QStringLiteral("公告期间 ▾")}, NotCountedModel::Reason);
    SetUpTable(m_ui->TableExtensions, {QStringLiteral("000"), QStringLiteral("000")}, ExtensionsModel::Days);
    SetUpTable(m_ui->TableCustody, {dayField, dayField, QStringLiteral("指定居所监视居住 ▾")}, CustodyModel::Kind);
    for (QTableView *view : {m_ui->TableNotCounted, m_ui->TableExtensions, m_ui->TableCustody})
        view->installEventFilter(this);
    SetUpSteps(m_ui->TextTrialSteps);
    SetUpSteps(m_ui->TextSentenceSteps);
}

void CasePeriodsWindow::setUpFields()
{
    for (int i = 0; i < ProcedureCount; ++i)
        m_ui->ComboBoxProcedure->addItem(ProcedureName(Procedure(i)));
    for (Penalty penalty : {Penalty::Surveillance, Penalty::CriminalDetention, Penalty::FixedTerm})
        m_ui->ComboBoxPenalty->addItem(PenaltyName(penalty));
    m_ui->ComboBoxPenalty->setCurrentIndex(int(Penalty::FixedTerm));

    const struct {
        QLineEdit *field;
        int digits;
        QString takes;
    } numbers[] = {{m_ui->EditYears, 2, QStringLiteral("年数只能是0至99的整数")},
                   {m_ui->EditMonths, 2, QStringLiteral("月数只能是0至99的整数")},
                   {m_ui->EditDays, 3, QStringLiteral("天数只能是0至999的整数")}};
    for (const auto &number : numbers) {
        const QRegularExpression digits(QStringLiteral("\\d{0,%1}").arg(number.digits));
        number.field->setValidator(new QRegularExpressionValidator(digits, number.field));
        number.field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number.field->setMaximumWidth(number.field->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        ExplainRejectedInput(number.field, number.takes);
    }
    m_ui->EditCaseNumber->setMaxLength(MaxCasePeriodsTextLength);
    m_ui->EditParties->setMaxLength(MaxCasePeriodsTextLength);

    const QDate today = QDate::currentDate();
    for (QDateEdit *edit : {m_ui->DateEditFiled, m_ui->DateEditSimplifiedToOrdinary, m_ui->DateEditRestartedOn,
                            m_ui->DateEditAsOf, m_ui->DateEditStart}) {
        edit->setDateRange(FirstOffered, LastOffered);
        edit->setDate(today);
    }
    m_ui->LabelHolidayNote->setStyleSheet(QStringLiteral("color: #505050"));
    m_ui->LabelStartNote->setStyleSheet(QStringLiteral("color: #505050"));
    QFont emphasised = m_ui->LabelLastDay->font();
    emphasised.setBold(true);
    emphasised.setPointSizeF(emphasised.pointSizeF() * 1.15);
    for (QLabel *label : {m_ui->LabelLastDay, m_ui->LabelDaysLeft, m_ui->LabelWording})
        label->setFont(emphasised);
    m_ui->Tabs->setCurrentIndex(0);
}

void CasePeriodsWindow::bindControls()
{
    for (QAbstractItemModel *model : std::initializer_list<QAbstractItemModel *>{m_notCounted, m_extensions, m_custody}) {
        bind(model, &QAbstractItemModel::dataChanged, &CasePeriodsWindow::InputChange);
        bind(model, &QAbstractItemModel::rowsInserted, &CasePeriodsWindow::InputChange);
        bind(model, &QAbstractItemModel::rowsRemoved, &CasePeriodsWindow::InputChange);
    }
    for (QDateEdit *edit : {m_ui->DateEditFiled, m_ui->DateEditSimplifiedToOrdinary, m_ui->DateEditRestartedOn,
                            m_ui->DateEditAsOf, m_ui->DateEditStart})
        bind(edit, &QDateEdit::dateChanged, &CasePeriodsWindow::InputChange);
    for (QCheckBox *option : {m_ui->CheckBoxLongerCriminal, m_ui->CheckBoxSimplifiedToOrdinary, m_ui->CheckBoxRestart,
                              m_ui->CheckBoxMoveOffHolidays})
        bind(option, &QCheckBox::toggled, &CasePeriodsWindow::ComboBoxProcedureChange);
    for (QLineEdit *field : {m_ui->EditYears, m_ui->EditMonths, m_ui->EditDays, m_ui->EditCaseNumber, m_ui->EditParties})
        bind(field, &QLineEdit::textChanged, &CasePeriodsWindow::InputChange);
    bind(m_ui->ComboBoxProcedure, &QComboBox::currentIndexChanged, &CasePeriodsWindow::ComboBoxProcedureChange);
    bind(m_ui->ComboBoxPenalty, &QComboBox::currentIndexChanged, &CasePeriodsWindow::InputChange);
    bind(m_ui->Tabs, &QTabWidget::currentChanged, &CasePeriodsWindow::enableSheetButtons);
    bind(m_ui->ButtonAddNotCounted, &QPushButton::clicked, &CasePeriodsWindow::ButtonAddNotCountedClick);
    bind(m_ui->ButtonRemoveNotCounted, &QPushButton::clicked, &CasePeriodsWindow::ButtonRemoveNotCountedClick);
    bind(m_ui->ButtonAddExtension, &QPushButton::clicked, &CasePeriodsWindow::ButtonAddExtensionClick);
    bind(m_ui->ButtonRemoveExtension, &QPushButton::clicked, &CasePeriodsWindow::ButtonRemoveExtensionClick);
    bind(m_ui->ButtonAddCustody, &QPushButton::clicked, &CasePeriodsWindow::ButtonAddCustodyClick);
    bind(m_ui->ButtonRemoveCustody, &QPushButton::clicked, &CasePeriodsWindow::ButtonRemoveCustodyClick);
    bind(m_ui->ButtonCopy, &QPushButton::clicked, &CasePeriodsWindow::ButtonCopyClick);
    bind(m_ui->ButtonSave, &QPushButton::clicked, &CasePeriodsWindow::ButtonSaveClick);
    bind(m_ui->ButtonOpen, &QPushButton::clicked, &CasePeriodsWindow::ButtonOpenClick);
    connect(m_ui->ButtonClose, &QPushButton::clicked, this, &QWidget::close);
    BindSheetButtons(m_ui->ButtonPrint, m_ui->ButtonExportPdf, services(), [this] { return sheet(); });
}

Procedure CasePeriodsWindow::procedure() const
{
    return Procedure(std::clamp(m_ui->ComboBoxProcedure->currentIndex(), 0, ProcedureCount - 1));
}

CasePeriodsRecord CasePeriodsWindow::caseOnScreen() const
{
    CasePeriodsRecord record;
    record.caseNumber = m_ui->EditCaseNumber->text();
    record.parties = m_ui->EditParties->text();
    TrialPeriodCase &t = record.trialPeriod;
    t.procedure = procedure();
    t.filed = m_ui->DateEditFiled->date();
    t.longerCriminalPeriod = m_ui->CheckBoxLongerCriminal->isEnabled() && m_ui->CheckBoxLongerCriminal->isChecked();
    t.simplifiedToOrdinary = DayIfChosen(m_ui->CheckBoxSimplifiedToOrdinary, m_ui->DateEditSimplifiedToOrdinary);
    t.restartedOn = DayIfChosen(m_ui->CheckBoxRestart, m_ui->DateEditRestartedOn);
    t.moveOffHolidays = m_ui->CheckBoxMoveOffHolidays->isChecked();
    t.notCounted = m_notCounted->rows();
    t.extensions = m_extensions->rows();
    t.asOf = m_ui->DateEditAsOf->date();
    SentenceCase &s = record.sentence;
    s.penalty = Penalty(m_ui->ComboBoxPenalty->currentIndex());
    s.years = NumberIn(m_ui->EditYears);
    s.months = NumberIn(m_ui->EditMonths);
    s.days = NumberIn(m_ui->EditDays);
    s.start = m_ui->DateEditStart->date();
    s.offset = m_custody->rows();
    return record;
}

void CasePeriodsWindow::showCase(const CasePeriodsRecord &record)
{
    const TrialPeriodCase &t = record.trialPeriod;
    const SentenceCase &s = record.sentence;
    m_showingCase = true;
    m_ui->EditCaseNumber->setText(record.caseNumber);
    m_ui->EditParties->setText(record.parties);
    m_ui->ComboBoxProcedure->setCurrentIndex(int(t.procedure));
    m_ui->DateEditFiled->setDate(t.filed);
    m_ui->CheckBoxLongerCriminal->setChecked(t.longerCriminalPeriod);
    ShowDayOption(m_ui->CheckBoxSimplifiedToOrdinary, m_ui->DateEditSimplifiedToOrdinary, t.simplifiedToOrdinary);
    ShowDayOption(m_ui->CheckBoxRestart, m_ui->DateEditRestartedOn, t.restartedOn);
    m_ui->CheckBoxMoveOffHolidays->setChecked(t.moveOffHolidays);
    if (t.asOf.isValid())
        m_ui->DateEditAsOf->setDate(t.asOf);
    m_notCounted->setRows(t.notCounted);
    m_extensions->setRows(t.extensions);
    m_ui->ComboBoxPenalty->setCurrentIndex(int(s.penalty));
    m_ui->EditYears->setText(NumberText(s.years));
    m_ui->EditMonths->setText(NumberText(s.months));
    m_ui->EditDays->setText(NumberText(s.days));
    m_ui->DateEditStart->setDate(s.start);
    m_custody->setRows(s.offset);
    m_showingCase = false;
    ComboBoxProcedureChange();
    m_keptBytes = keptBytesOnScreen();
}

// The options that count only for some procedures follow the procedure.
void CasePeriodsWindow::ComboBoxProcedureChange()
{
    const Procedure chosen = procedure();
    const bool longer = HasLongerCriminalPeriod(chosen);
    m_ui->CheckBoxLongerCriminal->setEnabled(longer);
    m_ui->CheckBoxLongerCriminal->setText(longer ? LongerPeriodText(chosen)
                                                 : QStringLiteral("适用较长审限（仅刑事公诉一审、简易、速裁程序）"));
    EnableDayOption(m_ui->CheckBoxSimplifiedToOrdinary, m_ui->DateEditSimplifiedToOrdinary,
                    chosen == Procedure::CivilOrdinary);
    EnableDayOption(m_ui->CheckBoxRestart, m_ui->DateEditRestartedOn, CountsAfreshOnRestart(chosen));
    // Rows already entered stay visible, so that the message can name them.
    m_ui->ButtonAddExtension->setEnabled(CanBeExtended(chosen));
    InputChange();
}

// The one place that calls the two calculations.
void CasePeriodsWindow::InputChange()
{
    if (m_showingCase)
        return;
    m_shownRecord = caseOnScreen();
    m_trialResult = ComputeTrialPeriod(m_shownRecord.trialPeriod, m_calendar());
    if (m_trialResult.error.isEmpty())
        showTrialPeriod(m_trialResult);
    else
        showMessage(m_ui->StackTrialResult, m_ui->LabelTrialMessage, QStringLiteral("无法计算：") + m_trialResult.error, true);

    const SentenceCase &s = m_shownRecord.sentence;
    const bool untouched = s.years == 0 && s.months == 0 && s.days == 0 && s.offset.isEmpty();
    if (untouched) {
        // A new case asks for the sentence instead of finding fault with it.
        m_sentenceResult = {};
        m_sentenceResult.error = QStringLiteral("请选择刑种，填写判决确定的刑期和刑期起算日；判决执行以前的羁押等期间填入右表。");
        showMessage(m_ui->StackSentenceResult, m_ui->LabelSentenceMessage, m_sentenceResult.error, false);
    } else {
        m_sentenceResult = ComputeSentence(s);
        if (m_sentenceResult.error.isEmpty())
            showSentence(m_sentenceResult);
        else
            showMessage(m_ui->StackSentenceResult, m_ui->LabelSentenceMessage,
                        QStringLiteral("无法计算：") + m_sentenceResult.error, true);
    }
    enableSheetButtons();
}

void CasePeriodsWindow::showTrialPeriod(const TrialPeriodResult &result)
{
    m_ui->LabelLastDay->setText(LastDayText(result));
    m_ui->LabelDaysLeft->setText(DaysLeftText(m_shownRecord.trialPeriod, result));
    m_ui->LabelDaysLeft->setStyleSheet(result.passed ? QStringLiteral("color: #c00000") : QString());
    m_ui->LabelNotCountedDays->setText(NotCountedDaysText(result));
    m_ui->LabelApplyBy->setText(ApplyForExtensionText(result));
    m_ui->TextTrialSteps->setPlainText(result.steps.join(QLatin1Char('\n')));
    m_ui->StackTrialResult->setCurrentWidget(m_ui->PageTrialResult);
}

void CasePeriodsWindow::showSentence(const SentenceResult &result)
{
    m_ui->LabelSentenceStart->setText(QStringLiteral("刑期起算日：") + DateText(result.start));
    m_ui->LabelSentenceEnd->setText(QStringLiteral("刑期届满日：") + DateText(result.end));
    m_ui->LabelOffsetDays->setText(QStringLiteral("折抵刑期：") + QString::number(result.offsetDays) + QStringLiteral("日"));
    m_ui->LabelWording->setText(result.wording);
    m_ui->TextSentenceSteps->setPlainText(result.steps.join(QLatin1Char('\n')));
    m_ui->StackSentenceResult->setCurrentWidget(m_ui->PageSentenceResult);
}

void CasePeriodsWindow::showMessage(QStackedWidget *stack, QLabel *label, const QString &message, bool fault)
{
    label->setStyleSheet(fault ? QStringLiteral("color: #b00000") : QString());
    label->setText(message);
    stack->setCurrentIndex(1);
}

// The buttons act on the tab shown, and only on a result.
void CasePeriodsWindow::enableSheetButtons()
{
    const bool computed = m_ui->Tabs->currentIndex() == 0 ? m_trialResult.error.isEmpty() : m_sentenceResult.error.isEmpty();
    for (QPushButton *button : {m_ui->ButtonCopy, m_ui->ButtonPrint, m_ui->ButtonExportPdf})
        button->setEnabled(computed);
}

std::optional<CalculationSheet> CasePeriodsWindow::sheet() const
{
    if (m_ui->Tabs->currentIndex() == 0)
        return m_trialResult.error.isEmpty() ? std::optional(TrialPeriodSheet(m_shownRecord, m_trialResult)) : std::nullopt;
    return m_sentenceResult.error.isEmpty() ? std::optional(SentenceSheet(m_shownRecord, m_sentenceResult)) : std::nullopt;
}

void CasePeriodsWindow::ButtonCopyClick()
{
    if (const std::optional<CalculationSheet> shown = sheet())
        services().clipboard->copy(SheetText(*shown));
}

// Insert adds a row below the current one, Delete removes the selected rows,
// in each of the three tables (an open cell editor keeps both keys).
bool CasePeriodsWindow::eventFilter(QObject *watched, QEvent *event)
{
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

// A new row starts where the clerk most likely continues: an interval after
// the one above it (or after 立案), the extension above it (or the usual one
// of the procedure), custody before the start day.
void CasePeriodsWindow::addRowTo(QTableView *view)
{
    const int at = view->currentIndex().isValid() ? view->currentIndex().row() + 1 : -1;
    const int previous = (at < 0 ? view->model()->rowCount() : at) - 1;
    int row = 0;
    if (view == m_ui->TableNotCounted) {
        const QDate from = previous >= 0 ? m_notCounted->rows()[previous].last : m_ui->DateEditFiled->date();
        const QDate day = from < LastOffered ? from.addDays(1) : from;
        row = m_notCounted->insertRow(at, {day, day, QString()});
    } else if (view == m_ui->TableExtensions) {
        row = m_extensions->insertRow(at, previous >= 0 ? m_extensions->rows()[previous] : UsualExtension(procedure()));
    } else {
        const QDate start = m_ui->DateEditStart->date();
        const QDate day = start > FirstOffered ? start.addDays(-1) : start;
        row = m_custody->insertRow(at, {day, day, CustodyKind::Detained});
    }
    view->setCurrentIndex(view->model()->index(row, 0));
    view->setFocus();
}

void CasePeriodsWindow::ButtonAddNotCountedClick()
{
    addRowTo(m_ui->TableNotCounted);
}

void CasePeriodsWindow::ButtonRemoveNotCountedClick()
{
    RemoveChosenRows(m_ui->TableNotCounted);
}

void CasePeriodsWindow::ButtonAddExtensionClick()
{
    addRowTo(m_ui->TableExtensions);
}

void CasePeriodsWindow::ButtonRemoveExtensionClick()
{
    RemoveChosenRows(m_ui->TableExtensions);
}

void CasePeriodsWindow::ButtonAddCustodyClick()
{
    addRowTo(m_ui->TableCustody);
}

void CasePeriodsWindow::ButtonRemoveCustodyClick()
{
    RemoveChosenRows(m_ui->TableCustody);
}

// What the file keeps of the screen: "today" is not part of the case.
QByteArray CasePeriodsWindow::keptBytesOnScreen() const
{
    return CasePeriodsFileBytes(caseOnScreen());
}

void CasePeriodsWindow::ButtonSaveClick()
{
    const QString suffix = QString::fromUtf16(CasePeriodsFileSuffix);
    const QString offered = QDir(lastFolder()).filePath(FileNameOf(m_ui->EditCaseNumber->text()) + suffix);
    QString path = services().fileDialogs->saveFileName(this, QStringLiteral("保存案件"), offered, CaseFilter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(suffix))
        path += suffix;
    if (const QString error = WriteCasePeriodsFile(path, caseOnScreen()); !error.isEmpty()) {
        services().messageBoxes->show(this, error, Caption, MessageBoxes::Icon::Error, MessageBoxes::Buttons::Ok);
        return;
    }
    m_keptBytes = keptBytesOnScreen();
    rememberFolder(path);
}

// A file that cannot be read changes nothing on screen.
void CasePeriodsWindow::ButtonOpenClick()
{
    if (keptBytesOnScreen() != m_keptBytes &&
        services().messageBoxes->show(this, QStringLiteral("当前案件的修改尚未保存，打开其他案件将放弃这些修改。是否继续？"), Caption,
                                      MessageBoxes::Icon::Exclamation, MessageBoxes::Buttons::YesNo) != MessageBoxes::Answer::Yes)
        return;
    const QString path = services().fileDialogs->openFileName(this, QStringLiteral("打开案件"), lastFolder(), CaseFilter);
    if (path.isEmpty())
        return;
    const CasePeriodsFileReading reading = ReadCasePeriodsFile(path);
    if (!reading.record) {
        services().messageBoxes->show(this, reading.error, Caption, MessageBoxes::Icon::Exclamation,
                                      MessageBoxes::Buttons::Ok);
        return;
    }
    showCase(*reading.record);
    rememberFolder(path);
}

QString CasePeriodsWindow::lastFolder() const
{
    QFile file(services().settingsFiles->pathForReading(FolderFileName));
    if (file.size() <= 4096 && file.open(QIODevice::ReadOnly)) {
        const QString folder = QString::fromUtf8(file.readAll()).trimmed();
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// A convenience: when it cannot be written the dialogs start in the
// documents folder next time, and nothing else changes.
void CasePeriodsWindow::rememberFolder(const QString &filePath) const
{
    const QString folder = QFileInfo(filePath).absolutePath();
    if (folder != lastFolder())
        WriteFileAtomically(services().settingsFiles->pathForWriting(FolderFileName), folder.toUtf8() + '\n');
}

} // namespace pellumo
