// The page "日期计算" as a user works it: a start date, a day count typed or
// pasted, the result texts, the month calendar, the failure message and the
// explanation shown while the pointer rests on "显示说明".

#include "app/pages/deadline_page.h"
#include "tests/page_harness.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

const QString FailureText = QStringLiteral("填写有误，系统恢复默认值");

struct DeadlineControls {
    template <typename Fixture>
    explicit DeadlineControls(Fixture &fixture)
        : start(fixture.template control<QDateEdit>(QStringLiteral("DateTimePicker1"))),
          count(fixture.template control<QLineEdit>(QStringLiteral("Edit2"))),
          dateText(fixture.template control<QLineEdit>(QStringLiteral("Edit5"))),
          weekday(fixture.template control<QLabel>(QStringLiteral("Label13"))),
          mark(fixture.template control<QLabel>(QStringLiteral("Label14"))),
          calendar(fixture.template control<QCalendarWidget>(QStringLiteral("GGdate"))),
          explain(fixture.template control<QToolButton>(QStringLiteral("SpeedButton2"))),
          explanation(fixture.template control<QPlainTextEdit>(QStringLiteral("Memo2")))
    {
    }
    // What the page shows, to compare before and after.
    QStringList outputs() const
    {
        return {dateText->text(), weekday->text(), mark->text(),
                calendar->selectedDate().toString(Qt::ISODate)};
    }
    void typeOverCount(const QString &text)
    {
        count->selectAll();
        QTest::keyClicks(count, text);
    }
    QDateEdit *start;
    QLineEdit *count;
    QLineEdit *dateText;
    QLabel *weekday;
    QLabel *mark;
    QCalendarWidget *calendar;
    QToolButton *explain;
    QPlainTextEdit *explanation;
};

}  // namespace

class DeadlinePageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startValues();
    void result_data();
    void result();
    void typingComputesAtEachKeystroke();
    void countThatIsNoNumberIsReset_data();
    void countThatIsNoNumberIsReset();
    void emptyCountChangesNothing();
    void explanationFollowsPointer();
    void keystrokeBenchmark();
};

void DeadlinePageTest::startValues()
{
    PageFixture<pellumo::DeadlinePage> fixture;
    fixture.open();
    DeadlineControls page(fixture);

    QCOMPARE(page.start->date(), QDate::currentDate());
    QCOMPARE(page.calendar->selectedDate(), QDate::currentDate());
    QVERIFY(!page.calendar->isEnabled());
    QCOMPARE(page.count->text(), QStringLiteral("0"));
    QCOMPARE(page.outputs().mid(0, 3), QStringList({QString(), QString(), QString()}));
    QVERIFY(page.explanation->isHidden());

    const QStringList lines = page.explanation->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 14);
    QCOMPARE(lines[0], QStringLiteral("             [日期计算简易说明]"));
    QCOMPARE(lines[3], QStringLiteral("     60日（公告期）+30日（举证期限）+3（第三日）=93日;"));
    QCOMPARE(lines[8], QString());
    QCOMPARE(lines[12], QString());
    QCOMPARE(lines[13], QString());
}

void DeadlinePageTest::result_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("mark");

    QTest::newRow("National Day on a Saturday")
        << QDate(2007, 10, 1) << QStringLiteral("5") << QDate(2007, 10, 6) << QStringLiteral("2007年10月6日")
        << QStringLiteral("星期六") << QStringLiteral("假日 国庆节 ");
    QTest::newRow("Qingming on a Monday")
        << QDate(2010, 4, 4) << QStringLiteral("1") << QDate(2010, 4, 5) << QStringLiteral("2010年4月5日")
        << QStringLiteral("星期一") << QStringLiteral("清明节");
    QTest::newRow("Mid-Autumn on a Sunday")
        << QDate(2012, 9, 1) << QStringLiteral("29") << QDate(2012, 9, 30) << QStringLiteral("2012年9月30日")
        << QStringLiteral("星期日") << QStringLiteral("假日 中秋节");
    QTest::newRow("negative count back to Labour Day")
        << QDate(2010, 5, 4) << QStringLiteral("-3") << QDate(2010, 5, 1) << QStringLiteral("2010年5月1日")
        << QStringLiteral("星期六") << QStringLiteral("假日 劳动节 ");
    QTest::newRow("count 0 is the start itself")
        << QDate(2010, 10, 8) << QStringLiteral("0") << QDate(2010, 10, 8) << QStringLiteral("2010年10月8日")
        << QStringLiteral("星期五") << QString();
    QTest::newRow("a year after the holiday table ends")
        << QDate(2017, 3, 25) << QStringLiteral("10") << QDate(2017, 4, 4) << QStringLiteral("2017年4月4日")
        << QStringLiteral("星期二") << QString();
}

void DeadlinePageTest::result()
{
    QFETCH(QDate, start);
    QFETCH(QString, count);
    QFETCH(QDate, date);
    QFETCH(QString, dateText);
    QFETCH(QString, weekday);
    QFETCH(QString, mark);

    PageFixture<pellumo::DeadlinePage> fixture;
    fixture.open();
    DeadlineControls page(fixture);
    page.count->setText(count);  // pasted
    page.start->setDate(start);  // the start last: its change alone recalculates

    QCOMPARE(page.dateText->text(), dateText);
    QCOMPARE(page.weekday->text(), weekday);
    QCOMPARE(page.mark->text(), mark);
    QCOMPARE(page.calendar->selectedDate(), date);
    QCOMPARE(page.calendar->yearShown(), date.year());
    QCOMPARE(page.calendar->monthShown(), date.month());
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void DeadlinePageTest::typingComputesAtEachKeystroke()
{
    PageFixture<pellumo::DeadlinePage> fixture;
    fixture.open();
    DeadlineControls page(fixture);
    page.start->setDate(QDate(2007, 10, 1));
    QList<QDate> shown;
    connect(page.calendar, &QCalendarWidget::selectionChanged, page.calendar,
            [&] { shown << page.calendar->selectedDate(); });

    page.count->clear();
    QTest::keyClicks(page.count, QStringLiteral("15"));

    QCOMPARE(shown, QList<QDate>({QDate(2007, 10, 2), QDate(2007, 10, 16)}));
    QCOMPARE(page.dateText->text(), QStringLiteral("2007年10月16日"));
    QCOMPARE(page.weekday->text(), QStringLiteral("星期二"));
    QVERIFY(page.mark->text().isEmpty());
}

void DeadlinePageTest::countThatIsNoNumberIsReset_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("startText");

    QTest::newRow("decimal pasted") << QDate(2007, 10, 1) << QStringLiteral("1.5") << false
                                    << QStringLiteral("2007年10月1日");
    QTest::newRow("letters pasted") << QDate(2007, 10, 1) << QStringLiteral("abc") << false
                                    << QStringLiteral("2007年10月1日");
    QTest::newRow("eleven digits pasted")
        << QDate(2007, 10, 1) << QStringLiteral("12345678901") << false << QStringLiteral("2007年10月1日");
    QTest::newRow("minus typed over the selected count")
        << QDate(2007, 10, 1) << QStringLiteral("-") << true << QStringLiteral("2007年10月1日");
    QTest::newRow("past the calendar's last day")
        << QDate(9999, 12, 30) << QStringLiteral("5") << false << QStringLiteral("9999年12月30日");
}

void DeadlinePageTest::countThatIsNoNumberIsReset()
{
    QFETCH(QDate, start);
    QFETCH(QString, count);
    QFETCH(bool, typed);
    QFETCH(QString, startText);

    PageFixture<pellumo::DeadlinePage> fixture;
    fixture.open();
    DeadlineControls page(fixture);
    page.start->setDate(start);
    page.count->setText(QStringLiteral("1"));
    const QStringList previous = page.outputs();
    QVERIFY(!previous[0].isEmpty());
    QStringList whileShown;
    fixture.boxes.onShow = [&] { whileShown = page.outputs(); };

    if (typed)
        page.typeOverCount(count);
    else
        page.count->setText(count);

    QCOMPARE(fixture.boxes.boxes.size(), 1);
    const RecordedBox box = fixture.boxes.boxes.first();
    QCOMPARE(box.text, FailureText);
    QCOMPARE(box.caption, QStringLiteral("Pellumo"));
    QCOMPARE(box.icon, MessageBoxes::Icon::None);
    QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
    // While the message is open: the mark is empty, the rest is the previous calculation.
    QStringList expectedWhileShown = previous;
    expectedWhileShown[2].clear();
    QCOMPARE(whileShown, expectedWhileShown);
    // Afterwards: count "0" and the start date's results.
    QCOMPARE(page.count->text(), QStringLiteral("0"));
    QCOMPARE(page.dateText->text(), startText);
    QCOMPARE(page.calendar->selectedDate(), start);
}

void DeadlinePageTest::emptyCountChangesNothing()
{
    PageFixture<pellumo::DeadlinePage> fixture;
    fixture.open();
    DeadlineControls page(fixture);
    page.start->setDate(QDate(2007, 10, 1));
    page.count->setText(QStringLiteral("5"));
    const QStringList before = page.outputs();
    page.start->setFocus();

    QTest::keyClick(page.count, Qt::Key_Return);
    QVERIFY(page.count->text().isEmpty());
    QVERIFY(page.count->hasFocus());
    QCOMPARE(page.outputs(), before);

    page.start->setDate(QDate(2010, 4, 4));
    QCOMPARE(page.outputs(), before);

    QTest::keyClick(page.count, Qt::Key_1);
    QCOMPARE(page.dateText->text(), QStringLiteral("2010年4月5日"));
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void DeadlinePageTest::explanationFollowsPointer()
{
    PageFixture<pellumo::DeadlinePage> fixture;
    fixture.open();
    DeadlineControls page(fixture);
    QVERIFY(page.explanation->isHidden());

    QTest::mouseMove(page.explain);
    QTRY_VERIFY(page.explanation->isVisible());
    // It covers the results area, the calendar included.
    const QRect shown = page.explanation->geometry();
    QVERIFY(shown.contains(page.calendar->geometry().topLeft()));
    QVERIFY(shown.contains(page.dateText->geometry().topLeft()));

    QTest::mouseMove(page.start);
    QTRY_VERIFY(page.explanation->isHidden());

    // A click does nothing else.
    QTest::mouseClick(page.explain, Qt::LeftButton);
    QCOMPARE(page.count->text(), QStringLiteral("0"));
    QVERIFY(page.dateText->text().isEmpty());
}

// One iteration is two keystrokes, each a full recalculation.
void DeadlinePageTest::keystrokeBenchmark()
{
    PageFixture<pellumo::DeadlinePage> fixture;
    fixture.open();
    DeadlineControls page(fixture);
    page.start->setDate(QDate(2007, 10, 1));
    page.count->setText(QStringLiteral("15"));

    QBENCHMARK
    {
        QTest::keyClick(page.count, Qt::Key_Backspace);
        QTest::keyClick(page.count, Qt::Key_5);
    }

    QCOMPARE(page.dateText->text(), QStringLiteral("2007年10月16日"));
    QCOMPARE(page.weekday->text(), QStringLiteral("星期二"));
}

QTEST_MAIN(DeadlinePageTest)
#include "tst_deadline_page.moc"
