// The page "日期计算" as a user works it: a start date, a count typed or
// pasted and its unit, the result texts, the official calendar's lines and
// marks, the failure message and the explanation shown while the pointer
// rests on "显示说明".

#include "app/pages/deadline_page.h"
#include "tests/page_harness.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>
#include <QToolButton>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

const QString FailureText = QStringLiteral("填写有误，系统恢复默认值");

// The same count again: a calculation even though the text ends as it was.
void RetypeCount(QLineEdit *count, const QString &text)
{
    count->clear();
    count->setText(text);
}

struct DeadlineControls {
    template <typename Fixture>
    explicit DeadlineControls(Fixture &fixture)
        : start(fixture.template control<QDateEdit>(QStringLiteral("DateTimePicker1"))),
          count(fixture.template control<QLineEdit>(QStringLiteral("Edit2"))),
          dateText(fixture.template control<QLineEdit>(QStringLiteral("Edit5"))),
          weekday(fixture.template control<QLabel>(QStringLiteral("Label13"))),
          mark(fixture.template control<QLabel>(QStringLiteral("Label14"))),
          calendar(fixture.template control<QCalendarWidget>(QStringLiteral("GGdate"))),
          unit(fixture.template control<QComboBox>(QStringLiteral("ComboBoxUnit"))),
          dayKind(fixture.template control<QLabel>(QStringLiteral("LabelDayKind"))),
          statutoryDeadline(fixture.template control<QLabel>(QStringLiteral("LabelStatutoryDeadline"))),
          coverage(fixture.template control<QLabel>(QStringLiteral("LabelCoverage"))),
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
    // The deadline as one line; the page breaks it after "：" and before "（".
    QString deadlineText() const { return statutoryDeadline->text().remove(QLatin1Char('\n')); }
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
    QComboBox *unit;
    QLabel *dayKind;
    QLabel *statutoryDeadline;
    QLabel *coverage;
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
    void signBeginsACount_data();
    void signBeginsACount();
    void emptyCountChangesNothing();
    void officialCalendarLines_data();
    void officialCalendarLines();
    void unitChoiceRecomputes();
    void installedCalendar_data();
    void installedCalendar();
    void calendarMarksOfficialDays();
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
    // The method as the page now computes it: days, months and years, and
    // the rest-day rule of its last line.
    QCOMPARE(lines[11], QStringLiteral("-10-6。期间以日、月、年计算，均不计起算日当日；以月、年计算的，至到期月的对应日，"
                                       "没有对应日的至该月末日（《民法典》第二百零二条）；最后一日为法定休假日的，"
                                       "顺延至其后第一个工作日（《民事诉讼法》第八十五条）。"));
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
    QTest::newRow("letter typed over the selected count")
        << QDate(2007, 10, 1) << QStringLiteral("a") << true << QStringLiteral("2007年10月1日");
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
    QVERIFY(shown.contains(fixture.template control<QWidget>(QStringLiteral("OfficialCalendarBox"))->geometry()));
    // The box has no scroll bar: the method's last sentence must show whole.
    QTextCursor endOfMethod(page.explanation->document()->findBlockByNumber(11));
    endOfMethod.movePosition(QTextCursor::EndOfBlock);
    QVERIFY(endOfMethod.block().text().endsWith(QStringLiteral("第八十五条）。")));
    const QRect lastCharacter = page.explanation->cursorRect(endOfMethod);
    QVERIFY2(page.explanation->viewport()->rect().contains(lastCharacter),
             qPrintable(QStringLiteral("last line at %1..%2 of %3").arg(lastCharacter.top()).arg(lastCharacter.bottom())
                            .arg(page.explanation->viewport()->height())));

    QTest::mouseMove(page.start);
    QTRY_VERIFY(page.explanation->isHidden());

    // A click does nothing else.
    QTest::mouseClick(page.explain, Qt::LeftButton);
    QCOMPARE(page.count->text(), QStringLiteral("0"));
    QVERIFY(page.dateText->text().isEmpty());
}

void DeadlinePageTest::signBeginsACount_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("mark");
    QTest::newRow("minus, then 3 goes back to Labour Day")
        << QStringLiteral("-") << QStringLiteral("2010年5月1日") << QStringLiteral("假日 劳动节 ");
    QTest::newRow("plus, then 3") << QStringLiteral("+") << QStringLiteral("2010年5月7日") << QString();
}

// Typing "-3" over the count: the "-" alone is no mistake, so no message, no
// reset, and the previous results stay until the digit makes it a count.
void DeadlinePageTest::signBeginsACount()
{
    QFETCH(QString, sign);
    QFETCH(QString, dateText);
    QFETCH(QString, mark);

    PageFixture<pellumo::DeadlinePage> fixture;
    fixture.open();
    DeadlineControls page(fixture);
    page.start->setDate(QDate(2010, 5, 4));
    page.count->setText(QStringLiteral("1"));
    const QStringList previous = page.outputs();
    const QString previousDeadline = page.deadlineText();
    QVERIFY(!previous[0].isEmpty());

    page.typeOverCount(sign);
    QVERIFY(fixture.boxes.boxes.isEmpty());
    QCOMPARE(page.count->text(), sign);
    QCOMPARE(page.outputs(), previous);
    QCOMPARE(page.deadlineText(), previousDeadline);

    QTest::keyClick(page.count, Qt::Key_3);
    QVERIFY(fixture.boxes.boxes.isEmpty());
    QCOMPARE(page.count->text(), sign + QLatin1Char('3'));
    QCOMPARE(page.dateText->text(), dateText);
    QCOMPARE(page.mark->text(), mark);
}

void DeadlinePageTest::officialCalendarLines_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("unit");  // index in the unit choice: 日, 月, 年
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("dayKind");
    QTest::addColumn<QString>("deadline");
    QTest::addColumn<QString>("coverage");

    QTest::newRow("an appeal period ending in the National Day holiday moves")
        << QDate(2026, 9, 20) << QStringLiteral("15") << 0 << QStringLiteral("2026年10月5日")
        << QStringLiteral("国庆节 放假")
        << QStringLiteral("期间届满日：2026年10月8日 星期四（10月5日为国庆节假期，顺延）") << QString();
    QTest::newRow("a month ending on a make-up working Saturday stays")
        << QDate(2026, 1, 31) << QStringLiteral("1") << 1 << QStringLiteral("2026年2月28日")
        << QStringLiteral("调休上班日") << QStringLiteral("期间届满日：2026年2月28日 星期六") << QString();
    QTest::newRow("a year not covered by the notices has a note")
        << QDate(2027, 6, 1) << QStringLiteral("30") << 0 << QStringLiteral("2027年7月1日")
        << QStringLiteral("工作日") << QStringLiteral("期间届满日：2027年7月1日 星期四")
        << QStringLiteral("2027年放假安排尚未公布，仅按法定节假日和周末计算，未计调休");
    QTest::newRow("count 0 has no deadline")
        << QDate(2026, 10, 3) << QStringLiteral("0") << 0 << QStringLiteral("2026年10月3日")
        << QStringLiteral("国庆节 放假") << QString() << QString();
}

void DeadlinePageTest::officialCalendarLines()
{
    QFETCH(QDate, start);
    QFETCH(QString, count);
    QFETCH(int, unit);
    QFETCH(QString, dateText);
    QFETCH(QString, dayKind);
    QFETCH(QString, deadline);
    QFETCH(QString, coverage);

    PageFixture<pellumo::DeadlinePage> fixture;
    fixture.open();
    DeadlineControls page(fixture);
    page.unit->setCurrentIndex(unit);
    page.count->setText(count);
    page.start->setDate(start);

    QCOMPARE(page.dateText->text(), dateText);
    QCOMPARE(page.dayKind->text(), dayKind);
    QCOMPARE(page.deadlineText(), deadline);
    QCOMPARE(page.coverage->text(), coverage);
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void DeadlinePageTest::unitChoiceRecomputes()
{
    PageFixture<pellumo::DeadlinePage> fixture;
    fixture.open();
    DeadlineControls page(fixture);
    QCOMPARE(page.unit->currentText(), QStringLiteral("日"));
    QCOMPARE(page.unit->count(), 3);
    page.start->setDate(QDate(2024, 2, 29));
    page.count->setText(QStringLiteral("1"));
    QCOMPARE(page.dateText->text(), QStringLiteral("2024年3月1日"));

    page.unit->setCurrentIndex(page.unit->findText(QStringLiteral("年")));
    QCOMPARE(page.dateText->text(), QStringLiteral("2025年2月28日"));
    QCOMPARE(page.weekday->text(), QStringLiteral("星期五"));
    QCOMPARE(page.calendar->selectedDate(), QDate(2025, 2, 28));
    QCOMPARE(page.deadlineText(), QStringLiteral("期间届满日：2025年2月28日 星期五"));

    page.unit->setCurrentIndex(page.unit->findText(QStringLiteral("月")));
    QCOMPARE(page.dateText->text(), QStringLiteral("2024年3月29日"));
}

// The deadline of 2027-06-01 + 30 日 under the calendar in use: an installed
// calendar that knows 2027 moves it and has no note; any other file leaves the
// built-in calendar, with its note on 2027.
void DeadlinePageTest::installedCalendar_data()
{
    QTest::addColumn<QByteArray>("installed");
    QTest::addColumn<QString>("deadline");
    QTest::addColumn<QString>("coverage");
    const QString builtInDeadline = QStringLiteral("期间届满日：2027年7月1日 星期四");
    const QString builtInNote = QStringLiteral("2027年放假安排尚未公布，仅按法定节假日和周末计算，未计调休");
    const QByteArray whole = "#version\t99\n#known-through\t2027-12-31\n"
                             "2027-07-01\t试行假日\toff\n2027-07-03\t试行假日\twork\n";

    QTest::newRow("a whole installed calendar is used")
        << whole << QStringLiteral("期间届满日：2027年7月2日 星期五（7月1日为试行假日假期，顺延）") << QString();
    QTest::newRow("a damaged one is ignored")
        << QByteArray("#version\t99\n#known-through\t2027-12-31\n2027-07-01\t试行假日\n") << builtInDeadline
        << builtInNote;
    QTest::newRow("one cut off inside a line is ignored") << whole.left(whole.size() - 3) << builtInDeadline
                                                          << builtInNote;
    QTest::newRow("no installed calendar") << QByteArray() << builtInDeadline << builtInNote;
}

void DeadlinePageTest::installedCalendar()
{
    QFETCH(QByteArray, installed);
    QFETCH(QString, deadline);
    QFETCH(QString, coverage);

    PageFixture<pellumo::DeadlinePage> fixture;
    if (!installed.isEmpty())
        fixture.writeFile(QStringLiteral("calendar.tsv"), installed);
    fixture.open();
    DeadlineControls page(fixture);
    page.count->setText(QStringLiteral("30"));
    page.start->setDate(QDate(2027, 6, 1));
    QCOMPARE(page.deadlineText(), deadline);
    QCOMPARE(page.coverage->text(), coverage);

    // Installed (or replaced) while the page is open: the next calculation
    // reads it; removed again: the built-in calendar.
    QFile::remove(fixture.filePath(QStringLiteral("calendar.tsv")));
    RetypeCount(page.count, QStringLiteral("30"));
    QCOMPARE(page.deadlineText(), QStringLiteral("期间届满日：2027年7月1日 星期四"));
    fixture.writeFile(QStringLiteral("calendar.tsv"), installed.isEmpty() ? QByteArray("damaged") : installed);
    RetypeCount(page.count, QStringLiteral("30"));
    QCOMPARE(page.deadlineText(), deadline);
}

// Days off and make-up working days of the month shown stand out; ordinary
// days, weekends included, and the neighbouring months' days do not.
void DeadlinePageTest::calendarMarksOfficialDays()
{
    PageFixture<pellumo::DeadlinePage> fixture;
    fixture.open();
    DeadlineControls page(fixture);
    page.count->setText(QStringLiteral("15"));
    page.start->setDate(QDate(2026, 9, 20));
    QCOMPARE(page.calendar->monthShown(), 10);
    // Beside the calendar, the deadline's date never wraps in the middle.
    QCOMPARE(page.statutoryDeadline->text().split(QLatin1Char('\n')),
             QStringList({QStringLiteral("期间届满日："), QStringLiteral("2026年10月8日 星期四"),
                          QStringLiteral("（10月5日为国庆节假期，顺延）")}));

    const auto foreground = [&](int month, int day) {
        return page.calendar->dateTextFormat(QDate(2026, month, day)).foreground().color();
    };
    const auto background = [&](int month, int day) {
        return page.calendar->dateTextFormat(QDate(2026, month, day)).background();
    };
    const QColor dayOff = foreground(10, 5);
    const QColor makeUpDay = foreground(10, 10);
    QCOMPARE(dayOff, foreground(10, 1));
    QVERIFY(dayOff.red() > 150 && dayOff.green() < 100 && dayOff.blue() < 100);
    QVERIFY(makeUpDay != dayOff);
    QVERIFY(background(10, 10).style() != Qt::NoBrush);
    QCOMPARE(background(10, 11).style(), Qt::NoBrush);  // an ordinary Sunday
    QCOMPARE(background(10, 12).style(), Qt::NoBrush);  // an ordinary Monday
    QCOMPARE(background(9, 26).style(), Qt::NoBrush);  // 中秋节, but in September

    // Another month shown: its own days are marked, October's are not.
    page.count->setText(QStringLiteral("-5"));
    QCOMPARE(page.calendar->monthShown(), 9);
    QCOMPARE(foreground(9, 26), dayOff);
    QCOMPARE(foreground(9, 20), makeUpDay);
    QCOMPARE(background(10, 5).style(), Qt::NoBrush);
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
