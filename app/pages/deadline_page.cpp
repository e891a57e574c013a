#include "app/pages/deadline_page.h"

#include "app/case_periods/case_periods_window.h"

#include "app/services/message_boxes.h"
#include "app/widgets/amount_fields.h"
#include "app/widgets/result_button.h"
#include "app/window/window_styles.h"
#include "app/services/settings_files.h"
#include "dates/calendar_texts.h"
#include "dates/deadline.h"
#include "dates/official_calendar_update.h"
#include "ui_deadline_page.h"

#include <QColor>
#include <QComboBox>
#include <QPalette>
#include <QTextCharFormat>

namespace pellumo {
namespace {

// A plain month calendar: Chinese month and weekday names, the days of the
// month in the text colour (weekends and today included) and those of the
// neighbouring months in grey, no week numbers, so that the selected result
// day is the one thing that stands out. It takes no input, yet keeps the
// colours of an enabled calendar so that the result stays readable.
void SetUpMonthCalendar(QCalendarWidget *calendar)
{
    calendar->setLocale(QLocale(QLocale::Chinese, QLocale::China));
    calendar->setDateRange(EarliestCalendarDate(), LatestCalendarDate());

    QPalette palette = calendar->palette();
    QTextCharFormat plain;
    plain.setForeground(palette.brush(QPalette::Active, QPalette::Text));
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        calendar->setWeekdayTextFormat(static_cast<Qt::DayOfWeek>(day), plain);
    calendar->setDateTextFormat(QDate::currentDate(), plain);

    // The disabled text colour stays: the calendar greys the neighbouring
    // months' days with it.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = static_cast<QPalette::ColorRole>(role);
        if (colourRole != QPalette::Text)
            palette.setColor(QPalette::Disabled, colourRole, palette.color(QPalette::Active, colourRole));
    }
    calendar->setPalette(palette);
}

// The days of the month shown that the official calendar makes days off
// (red on pale red) or working days although they fall on a weekend (navy on
// pale blue); the neighbouring months' days stay grey.
void MarkOfficialDays(QCalendarWidget *calendar, const OfficialCalendar &official)
{
    QTextCharFormat dayOff;
    dayOff.setForeground(QColor(0xd0, 0x00, 0x00));
    dayOff.setBackground(QColor(0xff, 0xe4, 0xe4));
    QTextCharFormat makeUpWorkingDay;
    makeUpWorkingDay.setForeground(QColor(0x00, 0x00, 0x80));
    makeUpWorkingDay.setBackground(QColor(0xdc, 0xe6, 0xf8));
    QTextCharFormat plain;
    plain.setForeground(calendar->palette().brush(QPalette::Active, QPalette::Text));

    calendar->setDateTextFormat(QDate(), QTextCharFormat());  // forgets every day's format
    calendar->setDateTextFormat(QDate::currentDate(), plain);
    const QDate first(calendar->yearShown(), calendar->monthShown(), 1);
    for (QDate day = first; day.isValid() && day.month() == first.month(); day = day.addDays(1)) {
        switch (official.kind(day)) {
        case DayKind::OfficialDayOff:
        case DayKind::ComputedHoliday:
            calendar->setDateTextFormat(day, dayOff);
            break;
        case DayKind::MakeUpWorkingDay:
            calendar->setDateTextFormat(day, makeUpWorkingDay);
            break;
        case DayKind::WorkingDay:
        case DayKind::Weekend:
            break;
        }
    }
}

// The deadline line in the narrow column beside the calendar: the date with
// its weekday on a line of its own, so that a wrap never splits the date.
QString DeadlineLines(const QString &deadlineText)
{
    QString lines = deadlineText;
    lines.replace(QStringLiteral("："), QStringLiteral("：\n"));
    lines.replace(QStringLiteral("（"), QStringLiteral("\n（"));
    return lines;
}

QString InstalledCalendarPath(const PageServices &services)
{
    return services.settingsFiles->pathForReading(QLatin1String(InstalledOfficialCalendarName));
}

}  // namespace

DeadlinePage::DeadlinePage(const PageServices &services, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::DeadlinePage>()),
      m_officialCalendar(InstalledCalendarPath(services))
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    SetUpMonthCalendar(m_ui->GGdate);
    m_ui->Memo2->document()->setDocumentMargin(2);  // close to the border, as in a plain memo

    // "显示说明" only shows the explanation while the pointer rests on it; it
    // copies nothing, so it has no hint and no hand cursor.
    m_ui->SpeedButton2->setToolTip(QString());
    m_ui->SpeedButton2->unsetCursor();

    // Set before the bindings exist, so that nothing is calculated at start.
    m_ui->DateTimePicker1->setDateRange(EarliestCalendarDate(), LatestCalendarDate());
    m_ui->DateTimePicker1->setDate(QDate::currentDate());
    m_ui->GGdate->setSelectedDate(QDate::currentDate());
    MarkOfficialDays(m_ui->GGdate, m_officialCalendar.calendar());

    bind(m_ui->GGdate, &QCalendarWidget::currentPageChanged, &DeadlinePage::GGdatePageChange);
    bind(m_ui->ComboBoxUnit, &QComboBox::currentIndexChanged, &DeadlinePage::SpeedButton1Click);
    bind(m_ui->DateTimePicker1, &QDateEdit::dateChanged, &DeadlinePage::SpeedButton1Click);
    bind(m_ui->Edit2, &QLineEdit::textChanged, &DeadlinePage::SpeedButton1Click);
    bind(m_ui->Edit2, &QLineEdit::returnPressed, &DeadlinePage::Edit2KeyPress);
    bind(m_ui->SpeedButton1, &QToolButton::clicked, &DeadlinePage::SpeedButton1Click);
    bind(m_ui->SpeedButton2, &ResultButton::pointerEntered, &DeadlinePage::SpeedButton2MouseEnter);
    bind(m_ui->SpeedButton2, &ResultButton::pointerLeft, &DeadlinePage::SpeedButton2MouseLeave);
    bind(m_ui->ButtonCasePeriods, &QPushButton::clicked, &DeadlinePage::ButtonCasePeriodsClick);
}

DeadlinePage::~DeadlinePage() = default;

void DeadlinePage::Edit2KeyPress()
{
    EmptyAndFocus(m_ui->Edit2);
}

// The one place that calls the deadline calculation.
void DeadlinePage::SpeedButton1Click()
{
    const DeadlineOutcome outcome =
        ComputeDeadline(m_ui->DateTimePicker1->date(), m_ui->Edit2->text(), selectedUnit());
    // An empty count, or a sign that begins one: the results stay.
    if (outcome.kind == DeadlineOutcome::Kind::Nothing || outcome.kind == DeadlineOutcome::Kind::Unfinished)
        return;
    // The mark goes first: while the message below is open it is already
    // empty, and the other outputs still show the previous calculation.
    m_ui->Label14->clear();
    if (outcome.kind == DeadlineOutcome::Kind::Failure) {
        // Owned by the window, as every box of the program is.
        services().messageBoxes->show(window(), QStringLiteral("填写有误，系统恢复默认值"),
                                      QStringLiteral("Pellumo"), MessageBoxes::Icon::None,
                                      MessageBoxes::Buttons::Ok);
        // The reset runs this handler again, nested: the start date's results.
        m_ui->Edit2->setText(QStringLiteral("0"));
        return;
    }
    // A calendar installed by the update since the last calculation.
    if (m_officialCalendar.refresh())
        MarkOfficialDays(m_ui->GGdate, m_officialCalendar.calendar());
    const DeadlineResult &result = outcome.result;
    m_ui->GGdate->setSelectedDate(result.date);
    m_ui->Edit5->setText(result.dateText);
    m_ui->Label13->setText(result.weekdayText);
    m_ui->Label14->setText(result.weekendPart);
    m_ui->Label14->setText(m_ui->Label14->text() + result.holidayPart);
    showOfficialCalendar(result.date, outcome.count);
}

PeriodUnit DeadlinePage::selectedUnit() const
{
    switch (m_ui->ComboBoxUnit->currentIndex()) {
    case 1:
        return PeriodUnit::Months;
    case 2:
        return PeriodUnit::Years;
    default:
        return PeriodUnit::Days;
    }
}

// The result day's kind, the last day of the period under 民事诉讼法 第八十五条
// (no line for a count of zero or less), and what the calendar does not know
// about the latest day it looked at.
void DeadlinePage::showOfficialCalendar(const QDate &day, qint32 count)
{
    const OfficialCalendar &calendar = m_officialCalendar.calendar();
    const StatutoryDeadline deadline =
        ComputeStatutoryDeadline(m_ui->DateTimePicker1->date(), count, selectedUnit(), calendar);
    m_ui->LabelDayKind->setText(DayKindText(day, calendar));
    m_ui->LabelStatutoryDeadline->setText(DeadlineLines(StatutoryDeadlineText(deadline, calendar)));
    m_ui->LabelCoverage->setText(CoverageNote(deadline.valid ? deadline.deadline : day, calendar));
}

void DeadlinePage::GGdatePageChange()
{
    MarkOfficialDays(m_ui->GGdate, m_officialCalendar.calendar());
}

// The window computes with the page's official calendar, read again when the
// update has installed a new one. Closing the window only hides it: its case
// stays until the program ends.
void DeadlinePage::ButtonCasePeriodsClick()
{
    if (!m_casePeriodsWindow) {
        auto calendar = [this]() -> const OfficialCalendar & {
            if (m_officialCalendar.refresh())
                MarkOfficialDays(m_ui->GGdate, m_officialCalendar.calendar());
            return m_officialCalendar.calendar();
        };
        m_casePeriodsWindow = new CasePeriodsWindow(services(), calendar, this);
    }
    m_casePeriodsWindow->show();
    m_casePeriodsWindow->raise();
    m_casePeriodsWindow->activateWindow();
}

void DeadlinePage::SpeedButton2MouseEnter()
{
    m_ui->Memo2->show();
}

void DeadlinePage::SpeedButton2MouseLeave()
{
    m_ui->Memo2->hide();
}

}  // namespace pellumo
