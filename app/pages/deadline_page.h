#pragma once

#include "app/pages/official_calendar_source.h"
#include "app/pages/page.h"
#include "dates/statutory_deadline.h"

#include <QPointer>
#include <memory>

namespace Ui {
class DeadlinePage;
}

namespace pellumo {

class CasePeriodsWindow;

// The page "日期计算": the day a number of days (or months, or years) after a
// start day, its weekday, whether it falls on a weekend or a holiday, its
// kind in the official calendar, and the statutory deadline: the first day
// from it that is no rest day.
class DeadlinePage : public Page
{
    Q_OBJECT
public:
    DeadlinePage(const PageServices &services, QWidget *parent = nullptr);
    ~DeadlinePage() override;

private:
    void Edit2KeyPress();
    void SpeedButton1Click();
    void SpeedButton2MouseEnter();
    void SpeedButton2MouseLeave();
    void GGdatePageChange();
    void ButtonCasePeriodsClick();

    PeriodUnit selectedUnit() const;
    void showOfficialCalendar(const QDate &day, qint32 count);

    std::unique_ptr<Ui::DeadlinePage> m_ui;
    OfficialCalendarSource m_officialCalendar;
    QPointer<CasePeriodsWindow> m_casePeriodsWindow;
};

} // namespace pellumo
