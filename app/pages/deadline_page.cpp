#include "app/pages/deadline_page.h"

#include "app/services/message_boxes.h"
#include "app/widgets/amount_fields.h"
#include "app/widgets/result_button.h"
#include "app/window/window_styles.h"
#include "dates/deadline.h"
#include "ui_deadline_page.h"

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

}  // namespace

DeadlinePage::DeadlinePage(const PageServices &services, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::DeadlinePage>())
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

    bind(m_ui->DateTimePicker1, &QDateEdit::dateChanged, &DeadlinePage::SpeedButton1Click);
    bind(m_ui->Edit2, &QLineEdit::textChanged, &DeadlinePage::SpeedButton1Click);
    bind(m_ui->Edit2, &QLineEdit::returnPressed, &DeadlinePage::Edit2KeyPress);
    bind(m_ui->SpeedButton1, &QToolButton::clicked, &DeadlinePage::SpeedButton1Click);
    bind(m_ui->SpeedButton2, &ResultButton::pointerEntered, &DeadlinePage::SpeedButton2MouseEnter);
    bind(m_ui->SpeedButton2, &ResultButton::pointerLeft, &DeadlinePage::SpeedButton2MouseLeave);
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
        ComputeDeadline(m_ui->DateTimePicker1->date(), m_ui->Edit2->text());
    if (outcome.kind == DeadlineOutcome::Kind::Nothing)
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
    const DeadlineResult &result = outcome.result;
    m_ui->GGdate->setSelectedDate(result.date);
    m_ui->Edit5->setText(result.dateText);
    m_ui->Label13->setText(result.weekdayText);
    m_ui->Label14->setText(result.weekendPart);
    m_ui->Label14->setText(m_ui->Label14->text() + result.holidayPart);
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
