#include "app/main_window.h"

#include "app/amount_fields.h"
#include "app/message_boxes.h"
#include "app/result_button.h"
#include "dates/deadline.h"
#include "ui_deadline_page.h"
#include "ui_main_window.h"

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

void TForm1::setUpDeadlinePage()
{
    m_deadline = std::make_unique<Ui::DeadlinePage>();
    m_deadline->setupUi(m_ui->TabSheet2);
    SetUpMonthCalendar(m_deadline->GGdate);
    m_deadline->Memo2->document()->setDocumentMargin(2);  // close to the border, as in a plain memo

    // "显示说明" only shows the explanation while the pointer rests on it; it
    // copies nothing, so it has no hint and no hand cursor.
    m_deadline->SpeedButton2->setToolTip(QString());
    m_deadline->SpeedButton2->unsetCursor();

    // Set before the bindings exist, so that nothing is calculated at start.
    m_deadline->DateTimePicker1->setDateRange(EarliestCalendarDate(), LatestCalendarDate());
    m_deadline->DateTimePicker1->setDate(QDate::currentDate());
    m_deadline->GGdate->setSelectedDate(QDate::currentDate());

    bind(m_deadline->DateTimePicker1, &QDateEdit::dateChanged, &TForm1::SpeedButton1Click);
    bind(m_deadline->Edit2, &QLineEdit::textChanged, &TForm1::SpeedButton1Click);
    bind(m_deadline->Edit2, &QLineEdit::returnPressed, &TForm1::Edit2KeyPress);
    bind(m_deadline->SpeedButton1, &QToolButton::clicked, &TForm1::SpeedButton1Click);
    bind(m_deadline->SpeedButton2, &ResultButton::pointerEntered, &TForm1::SpeedButton2MouseEnter);
    bind(m_deadline->SpeedButton2, &ResultButton::pointerLeft, &TForm1::SpeedButton2MouseLeave);
}

void TForm1::Edit2KeyPress()
{
    EmptyAndFocus(m_deadline->Edit2);
}

void TForm1::SpeedButton1Click()
{
    const DeadlineOutcome outcome =
        ComputeDeadline(m_deadline->DateTimePicker1->date(), m_deadline->Edit2->text());
    if (outcome.kind == DeadlineOutcome::Kind::Nothing)
        return;
    // The mark goes first: while the message below is open it is already
    // empty, and the other outputs still show the previous calculation.
    m_deadline->Label14->clear();
    if (outcome.kind == DeadlineOutcome::Kind::Failure) {
        m_services.messageBoxes->show(this, QStringLiteral("填写有误，系统恢复默认值"),
                                      QStringLiteral("Pellumo"), MessageBoxes::Icon::None,
                                      MessageBoxes::Buttons::Ok);
        // The reset runs this handler again, nested: the start date's results.
        m_deadline->Edit2->setText(QStringLiteral("0"));
        return;
    }
    const DeadlineResult &result = outcome.result;
    m_deadline->GGdate->setSelectedDate(result.date);
    m_deadline->Edit5->setText(result.dateText);
    m_deadline->Label13->setText(result.weekdayText);
    m_deadline->Label14->setText(result.weekendPart);
    m_deadline->Label14->setText(m_deadline->Label14->text() + result.holidayPart);
}

void TForm1::SpeedButton2MouseEnter()
{
    m_deadline->Memo2->show();
}

void TForm1::SpeedButton2MouseLeave()
{
    m_deadline->Memo2->hide();
}

}  // namespace pellumo
