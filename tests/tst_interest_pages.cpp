// The pages "迟延利息" and "违约金" as a user works them: typing into the real
// window, picking dates, switching the rate kind, and reading the memos back.

#include "app/pages/damages_page.h"
#include "app/pages/interest_page.h"
#include "tests/page_harness.h"
#include "tests/test_files.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

const QString InterestResultPrefix = QStringLiteral(" 【计算结果】迟延履行期间债务利息双倍(元)：");
const QString DamagesResultPrefix = QStringLiteral(" 【计算结果】逾期违约金(元)：");
const QString RateWarning = QStringLiteral(" 利率过高，填写可能有误");

QStringList Lines(const QPlainTextEdit *memo)
{
    return memo->toPlainText().split(QLatin1Char('\n'));
}

// Replaces the field's text by typing over the whole of it, keystroke by
// keystroke, as a user does after selecting it.
void TypeOver(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The user picks a day in a date picker (the picker reports the change as
// it does for a choice from its drop-down calendar).
void Pick(QDateEdit *picker, const QDate &date)
{
    picker->setDate(date);
}

// A row of the two "each input recalculates" tables: the input changed last, its new text or
// date, and the result that follows.
struct InputChange {
    QString input;
    QString text;
    QDate date;
    QString result;
};

void AddInputChangeColumns()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("result");
}

InputChange FetchInputChange()
{
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QFETCH(QString, result);
    return {input, text, date, result};
}

struct InterestControls {
    template <typename Fixture>
    explicit InterestControls(Fixture &fixture)
        : amount(fixture.template control<QLineEdit>(QStringLiteral("Editmoney"))),
          start(fixture.template control<QDateEdit>(QStringLiteral("DateTimePickerstart"))),
          end(fixture.template control<QDateEdit>(QStringLiteral("DateTimePickerend"))),
          words(fixture.template control<QLabel>(QStringLiteral("Label9"))),
          memo(fixture.template control<QPlainTextEdit>(QStringLiteral("Memo3")))
    {
    }
    void fill(const QString &amountText, const QDate &from, const QDate &to)
    {
        Pick(start, from);
        Pick(end, to);
        TypeOver(amount, amountText);
    }
    QLineEdit *amount;
    QDateEdit *start;
    QDateEdit *end;
    QLabel *words;
    QPlainTextEdit *memo;
};

struct DamagesControls {
    template <typename Fixture>
    explicit DamagesControls(Fixture &fixture)
        : amount(fixture.template control<QLineEdit>(QStringLiteral("Edit3"))),
          rate(fixture.template control<QLineEdit>(QStringLiteral("Edit4"))),
          kind(fixture.template control<QComboBox>(QStringLiteral("ComboBox4"))),
          start(fixture.template control<QDateEdit>(QStringLiteral("DateTimePicker2"))),
          end(fixture.template control<QDateEdit>(QStringLiteral("DateTimePicker3"))),
          words(fixture.template control<QLabel>(QStringLiteral("Label31"))),
          memo(fixture.template control<QPlainTextEdit>(QStringLiteral("Memo4"))),
          clear(fixture.template control<QToolButton>(QStringLiteral("SpeedButton10")))
    {
    }
    // Moves the rate kind with the arrow keys, without opening the list.
    void chooseKind(int index)
    {
        while (kind->currentIndex() < index)
            QTest::keyClick(kind, Qt::Key_Down);
        while (kind->currentIndex() > index)
            QTest::keyClick(kind, Qt::Key_Up);
    }
    void fill(const QString &amountText, const QString &rateText, int kindIndex, const QDate &from,
              const QDate &to)
    {
        Pick(start, from);
        Pick(end, to);
        chooseKind(kindIndex);
        TypeOver(amount, amountText);
        TypeOver(rate, rateText);
    }
    QLineEdit *amount;
    QLineEdit *rate;
    QComboBox *kind;
    QDateEdit *start;
    QDateEdit *end;
    QLabel *words;
    QPlainTextEdit *memo;
    QToolButton *clear;
};

}  // namespace

class InterestPagesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startValues();

    void interestResult_data();
    void interestResult();
    void amountThatIsNoNumberBecomesZero();
    void unfinishedAmountKeepsResult_data();
    void unfinishedAmountKeepsResult();
    void hugeAmountTypedOverFiftyYears();
    void endBeforeStartKeepsMemo_data();
    void endBeforeStartKeepsMemo();
    void eachInterestInputRecalculates_data();
    void eachInterestInputRecalculates();
    void enterEmptiesAmountAndKeepsResult();
    void rateFileIsReadAtEachKeystroke();

    void damagesResult_data();
    void damagesResult();
    void eachDamagesInputRecalculates_data();
    void eachDamagesInputRecalculates();
    void switchingRateKindRecalculatesAtOnce();
    void rateThatIsNoNumberShowsErrorDisplay();
    void unfinishedDamagesEntryShowsNoError_data();
    void unfinishedDamagesEntryShowsNoError();
    void oneEmptyFieldKeepsPage();
    void clearButtonEmptiesPage();
    void pastedFloodInRateIsCut();

    void interestKeystrokeBenchmark();
    void damagesKeystrokeBenchmark();
};

void InterestPagesTest::startValues()
{
    PageFixture<pellumo::InterestPage> interestFixture;
    interestFixture.open();
    InterestControls interest(interestFixture);
    PageFixture<pellumo::DamagesPage> damagesFixture;
    damagesFixture.open();
    DamagesControls damages(damagesFixture);

    const QDate today = QDate::currentDate();
    for (QDateEdit *picker : {interest.start, interest.end, damages.start, damages.end})
        QCOMPARE(picker->date(), today);
    QCOMPARE(damages.kind->currentText(), QStringLiteral("日利率"));
    QVERIFY(interest.words->text().isEmpty());
    QVERIFY(damages.words->text().isEmpty());

    // The explanation texts, with their blank-sensitive lines.
    const QStringList interestText = Lines(interest.memo);
    QCOMPARE(interestText.size(), 11);
    QCOMPARE(interestText[3], QString());
    QCOMPARE(interestText[7], QStringLiteral("相关规定： "));
    QCOMPARE(interestText[10], QStringLiteral("批复》"));
    const QStringList damagesText = Lines(damages.memo);
    QCOMPARE(damagesText.size(), 5);
    QCOMPARE(damagesText[0], QString());
    QCOMPARE(damagesText[3], QStringLiteral(" 逾期违约金=债务*逾期期间*日利率或月利率或年利率"));
    QCOMPARE(damagesText[4], QStringLiteral(" 年利率=12*月利率=360*日利率"));

    // Nine characters at most in either amount field.
    QTest::keyClicks(interest.amount, QStringLiteral("12345678901"));
    QCOMPARE(interest.amount->text(), QStringLiteral("123456789"));
    QTest::keyClicks(damages.amount, QStringLiteral("12345678901"));
    QCOMPARE(damages.amount->text(), QStringLiteral("123456789"));
}

void InterestPagesTest::interestResult_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("periodLine");
    QTest::addColumn<QString>("bandLine");
    QTest::addColumn<QString>("interest");

    QTest::newRow("exactly one year, upper bound of the second band")
        << QStringLiteral("10000") << QDate(2009, 1, 1) << QDate(2010, 1, 1) << QStringLiteral("一万元")
        << QStringLiteral(" 迟延期间： 1年  0个月 0天")
        << QStringLiteral(" 所属利率档： 六个月至一年（含一年）") << QStringLiteral("1062.00");
    QTest::newRow("two months fifteen days in the first band")
        << QStringLiteral("10000") << QDate(2010, 1, 1) << QDate(2010, 3, 16) << QStringLiteral("一万元")
        << QStringLiteral(" 迟延期间： 0年  2个月 15天")
        << QStringLiteral(" 所属利率档： 六个月以内（含六个月）") << QStringLiteral("202.50");
    QTest::newRow("negative debt gives negative interest")
        << QStringLiteral("-100") << QDate(2009, 1, 1) << QDate(2010, 1, 1) << QStringLiteral("负一百元")
        << QStringLiteral(" 迟延期间： 1年  0个月 0天")
        << QStringLiteral(" 所属利率档： 六个月至一年（含一年）") << QStringLiteral("-10.62");
    QTest::newRow("negative debt of three yuan")
        << QStringLiteral("-3") << QDate(2009, 1, 1) << QDate(2010, 1, 1) << QStringLiteral("负三元")
        << QStringLiteral(" 迟延期间： 1年  0个月 0天")
        << QStringLiteral(" 所属利率档： 六个月至一年（含一年）") << QStringLiteral("-0.32");
}

void InterestPagesTest::interestResult()
{
    QFETCH(QString, amount);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, words);
    QFETCH(QString, periodLine);
    QFETCH(QString, bandLine);
    QFETCH(QString, interest);

    PageFixture<pellumo::InterestPage> fixture;
    fixture.open();
    InterestControls page(fixture);
    Pick(page.start, start);
    Pick(page.end, end);
    TypeOver(page.amount, amount);  // key by key: a leading "-" is no reset to "0"

    QCOMPARE(page.amount->text(), amount);
    QCOMPARE(page.words->text(), words);
    const QStringList lines = Lines(page.memo);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines[0], QStringLiteral(" 执行款金额(元):") + amount);
    QCOMPARE(lines[2], periodLine);
    QCOMPARE(lines[3], bandLine);
    QCOMPARE(lines[7], InterestResultPrefix + interest);
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void InterestPagesTest::amountThatIsNoNumberBecomesZero()
{
    PageFixture<pellumo::InterestPage> fixture;
    fixture.open();
    InterestControls page(fixture);
    Pick(page.start, QDate(2009, 1, 1));
    Pick(page.end, QDate(2010, 1, 1));

    QTest::keyClicks(page.amount, QStringLiteral("abc"));

    QCOMPARE(page.amount->text(), QStringLiteral("0"));
    QCOMPARE(page.words->text(), QStringLiteral("零元"));
    const QStringList lines = Lines(page.memo);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines[0], QStringLiteral(" 执行款金额(元):0"));
    QCOMPARE(lines[7], InterestResultPrefix + QStringLiteral("0.00"));
    QVERIFY(fixture.boxes.boxes.isEmpty());  // silently
}

// A sign or blanks alone are the beginning of an amount: the text stays, and
// so do the reading and the result, without a box.
void InterestPagesTest::unfinishedAmountKeepsResult_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("minus") << QStringLiteral("-");
    QTest::newRow("plus") << QStringLiteral("+");
    QTest::newRow("blank") << QStringLiteral(" ");
    QTest::newRow("blank then minus") << QStringLiteral(" -");
}

void InterestPagesTest::unfinishedAmountKeepsResult()
{
    QFETCH(QString, text);
    PageFixture<pellumo::InterestPage> fixture;
    fixture.open();
    InterestControls page(fixture);
    page.fill(QStringLiteral("10000"), QDate(2009, 1, 1), QDate(2010, 1, 1));
    const QString memoBefore = page.memo->toPlainText();

    TypeOver(page.amount, text);
    Pick(page.end, QDate(2011, 1, 1));  // a date changed meanwhile changes nothing either

    QCOMPARE(page.amount->text(), text);
    QCOMPARE(page.words->text(), QStringLiteral("一万元"));
    QCOMPARE(page.memo->toPlainText(), memoBefore);
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

// The largest power of ten a double holds, typed key by key, over fifty
// years: every keystroke recalculates, and the interest stays exact.
void InterestPagesTest::hugeAmountTypedOverFiftyYears()
{
    PageFixture<pellumo::InterestPage> fixture;
    fixture.open();
    InterestControls page(fixture);
    Pick(page.start, QDate(2000, 1, 1));
    Pick(page.end, QDate(2050, 1, 1));

    QTest::keyClicks(page.amount, QStringLiteral("1e308"));

    QCOMPARE(page.amount->text(), QStringLiteral("1e308"));
    QCOMPARE(page.words->text(), QStringLiteral("输入含非数字字符!元"));
    const QStringList lines = Lines(page.memo);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines[2], QStringLiteral(" 迟延期间： 50年  0个月 0天"));
    QCOMPARE(lines[3], QStringLiteral(" 所属利率档： 五年以上"));
    QCOMPARE(lines[7], InterestResultPrefix + QStringLiteral("5.94E308"));
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void InterestPagesTest::endBeforeStartKeepsMemo_data()
{
    QTest::addColumn<bool>("earlierResult");
    QTest::newRow("memo shows the explanation text") << false;
    QTest::newRow("memo shows an earlier result") << true;
}

void InterestPagesTest::endBeforeStartKeepsMemo()
{
    QFETCH(bool, earlierResult);
    PageFixture<pellumo::InterestPage> fixture;
    fixture.open();
    InterestControls page(fixture);
    if (earlierResult)
        page.fill(QStringLiteral("10000"), QDate(2009, 1, 1), QDate(2010, 1, 1));
    const QString memoBefore = page.memo->toPlainText();

    Pick(page.start, QDate(2010, 6, 1));
    Pick(page.end, QDate(2010, 5, 31));
    TypeOver(page.amount, QStringLiteral("500"));

    QCOMPARE(page.words->text(), QStringLiteral("五百元"));
    QCOMPARE(page.memo->toPlainText(), memoBefore);
}

void InterestPagesTest::eachInterestInputRecalculates_data()
{
    AddInputChangeColumns();
    QTest::newRow("amount") << QStringLiteral("amount") << QStringLiteral("20000") << QDate()
                            << QStringLiteral("2124.00");
    QTest::newRow("start into the first band")
        << QStringLiteral("start") << QString() << QDate(2009, 7, 1) << QStringLiteral("486.00");
    QTest::newRow("end into the third band")
        << QStringLiteral("end") << QString() << QDate(2010, 3, 16) << QStringLiteral("1305.00");
}

void InterestPagesTest::eachInterestInputRecalculates()
{
    const InputChange change = FetchInputChange();

    PageFixture<pellumo::InterestPage> fixture;
    fixture.open();
    InterestControls page(fixture);
    page.fill(QStringLiteral("10000"), QDate(2009, 1, 1), QDate(2010, 1, 1));
    QCOMPARE(Lines(page.memo)[7], InterestResultPrefix + QStringLiteral("1062.00"));

    if (change.input == QLatin1String("amount"))
        TypeOver(page.amount, change.text);
    else
        Pick(change.input == QLatin1String("start") ? page.start : page.end, change.date);

    QCOMPARE(Lines(page.memo)[7], InterestResultPrefix + change.result);
}

void InterestPagesTest::enterEmptiesAmountAndKeepsResult()
{
    PageFixture<pellumo::InterestPage> fixture;
    fixture.open();
    InterestControls page(fixture);
    page.fill(QStringLiteral("10000"), QDate(2009, 1, 1), QDate(2010, 1, 1));
    const QString memoBefore = page.memo->toPlainText();
    page.start->setFocus();

    QTest::keyClick(page.amount, Qt::Key_Return);

    QVERIFY(page.amount->text().isEmpty());
    QVERIFY(page.amount->hasFocus());
    QCOMPARE(page.words->text(), QStringLiteral("一万元"));
    QCOMPARE(page.memo->toPlainText(), memoBefore);

    // With the field empty, a new date changes nothing either.
    Pick(page.end, QDate(2011, 1, 1));
    QCOMPARE(page.memo->toPlainText(), memoBefore);
}

void InterestPagesTest::rateFileIsReadAtEachKeystroke()
{
    PageFixture<pellumo::InterestPage> fixture;
    fixture.open();
    InterestControls page(fixture);
    page.fill(QStringLiteral("10000"), QDate(2009, 1, 1), QDate(2010, 1, 1));
    QCOMPARE(Lines(page.memo)[4],
             QStringLiteral(" 贷款基准年利率： 5.31% (基准利率调整日期：2008年12月23日)"));

    // The online update replaces set.rar while the program runs.
    fixture.writeFile(QStringLiteral("set.rar"),
                      Gbk(QStringLiteral("[money]\r\nb=6\r\nbz=2011年7月7日\r\n")));
    QTest::keyClick(page.amount, Qt::Key_Backspace);
    QTest::keyClick(page.amount, Qt::Key_0);

    const QStringList lines = Lines(page.memo);
    QCOMPARE(lines[4], QStringLiteral(" 贷款基准年利率： 6% (基准利率调整日期：2011年7月7日)"));
    QCOMPARE(lines[7], InterestResultPrefix + QStringLiteral("1200.00"));
}

void InterestPagesTest::damagesResult_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("periodLine");
    QTest::addColumn<QString>("rateLine");
    QTest::addColumn<bool>("warning");
    QTest::addColumn<QString>("damages");

    QTest::newRow("daily, thirty days")
        << QStringLiteral("10000") << QStringLiteral("0.05") << 0 << QDate(2010, 1, 1) << QDate(2010, 1, 31)
        << QStringLiteral(" 逾期： 30天  ") << QStringLiteral(" 约定利率：日利率 0.05%") << false
        << QStringLiteral("150.00");
    QTest::newRow("monthly, three months fifteen days")
        << QStringLiteral("10000") << QStringLiteral("1.5") << 1 << QDate(2010, 1, 1) << QDate(2010, 4, 16)
        << QStringLiteral(" 逾期： 0年  3个月 15天") << QStringLiteral(" 约定利率：月利率 1.5%") << false
        << QStringLiteral("525.00");
    QTest::newRow("annual, a year and a half")
        << QStringLiteral("10000") << QStringLiteral("18") << 2 << QDate(2009, 1, 1) << QDate(2010, 7, 1)
        << QStringLiteral(" 逾期： 1年  6个月 0天") << QStringLiteral(" 约定利率：年利率 18%") << false
        << QStringLiteral("2700.00");
    QTest::newRow("daily rate above 1 warns")
        << QStringLiteral("10000") << QStringLiteral("1.01") << 0 << QDate(2010, 1, 1) << QDate(2010, 1, 2)
        << QStringLiteral(" 逾期： 1天  ") << QStringLiteral(" 约定利率：日利率 1.01%") << true
        << QStringLiteral("101.00");
    QTest::newRow("monthly rate of exactly 10 does not warn")
        << QStringLiteral("10000") << QStringLiteral("10") << 1 << QDate(2010, 1, 1) << QDate(2010, 2, 1)
        << QStringLiteral(" 逾期： 0年  1个月 0天") << QStringLiteral(" 约定利率：月利率 10%") << false
        << QStringLiteral("1000.00");
    QTest::newRow("daily, end a few days before the start")
        << QStringLiteral("10000") << QStringLiteral("0.05") << 0 << QDate(2010, 1, 10) << QDate(2010, 1, 7)
        << QStringLiteral(" 逾期： -3天  ") << QStringLiteral(" 约定利率：日利率 0.05%") << false
        << QStringLiteral("-15.00");
}

void InterestPagesTest::damagesResult()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(int, kind);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, periodLine);
    QFETCH(QString, rateLine);
    QFETCH(bool, warning);
    QFETCH(QString, damages);

    PageFixture<pellumo::DamagesPage> fixture;
    fixture.open();
    DamagesControls page(fixture);
    page.fill(amount, rate, kind, start, end);

    QCOMPARE(page.words->text(), QStringLiteral("一万元"));
    const QStringList lines = Lines(page.memo);
    QCOMPARE(lines.size(), warning ? 8 : 7);
    QCOMPARE(lines[0], QStringLiteral(" 金额(元):") + amount);
    QCOMPARE(lines[2], periodLine);
    QCOMPARE(lines[3], rateLine);
    QCOMPARE(lines.contains(RateWarning), warning);
    QCOMPARE(lines.last(), DamagesResultPrefix + damages);
    // Every keystroke of the rate ("0", "0.", "0.0", ...) was a number.
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void InterestPagesTest::eachDamagesInputRecalculates_data()
{
    AddInputChangeColumns();
    QTest::newRow("amount") << QStringLiteral("amount") << QStringLiteral("20000") << QDate()
                            << QStringLiteral("5400.00");
    QTest::newRow("rate") << QStringLiteral("rate") << QStringLiteral("12") << QDate()
                          << QStringLiteral("1800.00");
    QTest::newRow("start half a year later")
        << QStringLiteral("start") << QString() << QDate(2009, 7, 1) << QStringLiteral("1800.00");
    QTest::newRow("end half a year earlier")
        << QStringLiteral("end") << QString() << QDate(2010, 1, 1) << QStringLiteral("1800.00");
}

void InterestPagesTest::eachDamagesInputRecalculates()
{
    const InputChange change = FetchInputChange();

    PageFixture<pellumo::DamagesPage> fixture;
    fixture.open();
    DamagesControls page(fixture);
    page.fill(QStringLiteral("10000"), QStringLiteral("18"), 2, QDate(2009, 1, 1), QDate(2010, 7, 1));
    QCOMPARE(Lines(page.memo).last(), DamagesResultPrefix + QStringLiteral("2700.00"));

    if (change.input == QLatin1String("amount"))
        TypeOver(page.amount, change.text);
    else if (change.input == QLatin1String("rate"))
        TypeOver(page.rate, change.text);
    else
        Pick(change.input == QLatin1String("start") ? page.start : page.end, change.date);

    QCOMPARE(Lines(page.memo).last(), DamagesResultPrefix + change.result);
}

void InterestPagesTest::switchingRateKindRecalculatesAtOnce()
{
    PageFixture<pellumo::DamagesPage> fixture;
    fixture.open();
    DamagesControls page(fixture);
    page.fill(QStringLiteral("10000"), QStringLiteral("1.5"), 0, QDate(2010, 1, 1), QDate(2010, 4, 16));
    QCOMPARE(Lines(page.memo)[2], QStringLiteral(" 逾期： 105天  "));
    QVERIFY(Lines(page.memo).contains(RateWarning));  // 1.5 % a day
    QCOMPARE(Lines(page.memo).last(), DamagesResultPrefix + QStringLiteral("15750.00"));

    QTest::keyClick(page.kind, Qt::Key_Down);

    QCOMPARE(Lines(page.memo)[2], QStringLiteral(" 逾期： 0年  3个月 15天"));
    QCOMPARE(Lines(page.memo)[3], QStringLiteral(" 约定利率：月利率 1.5%"));
    QVERIFY(!Lines(page.memo).contains(RateWarning));
    QCOMPARE(Lines(page.memo).last(), DamagesResultPrefix + QStringLiteral("525.00"));

    QTest::keyClick(page.kind, Qt::Key_Down);
    QCOMPARE(Lines(page.memo)[3], QStringLiteral(" 约定利率：年利率 1.5%"));
    QCOMPARE(Lines(page.memo).last(), DamagesResultPrefix + QStringLiteral("43.75"));
}

void InterestPagesTest::rateThatIsNoNumberShowsErrorDisplay()
{
    PageFixture<pellumo::DamagesPage> fixture;
    fixture.open();
    DamagesControls page(fixture);
    page.fill(QStringLiteral("10000"), QStringLiteral("2"), 0, QDate(2010, 1, 1), QDate(2010, 1, 31));
    QCOMPARE(page.words->text(), QStringLiteral("一万元"));
    QStringList memoWhileShown;
    fixture.boxes.onShow = [&] { memoWhileShown << page.memo->toPlainText(); };

    page.rate->setText(QStringLiteral("abc"));  // pasted

    QCOMPARE(fixture.boxes.boxes.size(), 1);
    const RecordedBox box = fixture.boxes.boxes.first();
    QCOMPARE(box.text, QStringLiteral("'abc' is not a valid floating point value."));
    QCOMPARE(box.caption, QStringLiteral("Pellumo"));
    QCOMPARE(box.icon, MessageBoxes::Icon::Error);
    QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(memoWhileShown, QStringList{QString()});
    QVERIFY(page.memo->toPlainText().isEmpty());

    // A new amount with the bad rate still fails before the reading is written.
    TypeOver(page.amount, QStringLiteral("5"));
    QCOMPARE(fixture.boxes.boxes.size(), 2);
    QCOMPARE(fixture.boxes.boxes.last().text, QStringLiteral("'abc' is not a valid floating point value."));
    QCOMPARE(page.words->text(), QStringLiteral("一万元"));
    QCOMPARE(page.rate->text(), QStringLiteral("abc"));  // nothing is reset

    // Correcting the field calculates again.
    TypeOver(page.rate, QStringLiteral("1"));
    QCOMPARE(page.words->text(), QStringLiteral("五元"));
    QCOMPARE(Lines(page.memo).last(), DamagesResultPrefix + QStringLiteral("1.50"));
    QCOMPARE(fixture.boxes.boxes.size(), 2);
}

// A sign alone in either field, once the other is filled, is the beginning of
// a value: no box, the page keeps what it shows, and typing on calculates.
void InterestPagesTest::unfinishedDamagesEntryShowsNoError_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("unfinished");
    QTest::addColumn<QString>("finished");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("damages");
    QTest::newRow("rate, minus") << "rate" << "-" << "-0.5" << "一万元" << "-1500.00";
    QTest::newRow("rate, plus") << "rate" << "+" << "+1" << "一万元" << "3000.00";
    QTest::newRow("rate, blank") << "rate" << " " << " 1" << "一万元" << "3000.00";
    QTest::newRow("amount, minus") << "amount" << "-" << "-5000" << "负五千元" << "-3000.00";
}

void InterestPagesTest::unfinishedDamagesEntryShowsNoError()
{
    QFETCH(QString, field);
    QFETCH(QString, unfinished);
    QFETCH(QString, finished);
    PageFixture<pellumo::DamagesPage> fixture;
    fixture.open();
    DamagesControls page(fixture);
    page.fill(QStringLiteral("10000"), QStringLiteral("2"), 0, QDate(2010, 1, 1), QDate(2010, 1, 31));
    const QString memoBefore = page.memo->toPlainText();
    QLineEdit *edit = field == QLatin1String("rate") ? page.rate : page.amount;

    TypeOver(edit, unfinished);

    QVERIFY(fixture.boxes.boxes.isEmpty());
    QCOMPARE(edit->text(), unfinished);
    QCOMPARE(page.words->text(), QStringLiteral("一万元"));
    QCOMPARE(page.memo->toPlainText(), memoBefore);

    QTest::keyClicks(edit, finished.mid(unfinished.size()));

    QVERIFY(fixture.boxes.boxes.isEmpty());
    QTEST(page.words->text(), "words");
    QFETCH(QString, damages);
    QCOMPARE(Lines(page.memo).last(), DamagesResultPrefix + damages);
}

void InterestPagesTest::oneEmptyFieldKeepsPage()
{
    PageFixture<pellumo::DamagesPage> fixture;
    fixture.open();
    DamagesControls page(fixture);
    const QString explanation = page.memo->toPlainText();

    TypeOver(page.amount, QStringLiteral("10000"));
    QTest::keyClick(page.kind, Qt::Key_Down);
    QVERIFY(page.words->text().isEmpty());
    QCOMPARE(page.memo->toPlainText(), explanation);

    // Enter in the amount field empties it; the last result stays.
    TypeOver(page.rate, QStringLiteral("1"));
    const QString result = page.memo->toPlainText();
    QVERIFY(result != explanation);
    QTest::keyClick(page.amount, Qt::Key_Return);
    QVERIFY(page.amount->text().isEmpty());
    QVERIFY(page.amount->hasFocus());
    QCOMPARE(page.memo->toPlainText(), result);
    QCOMPARE(page.words->text(), QStringLiteral("一万元"));
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void InterestPagesTest::clearButtonEmptiesPage()
{
    PageFixture<pellumo::DamagesPage> fixture;
    fixture.open();
    DamagesControls page(fixture);
    page.fill(QStringLiteral("10000"), QStringLiteral("18"), 2, QDate(2009, 1, 1), QDate(2010, 7, 1));
    QVERIFY(!page.memo->toPlainText().isEmpty());

    QTest::mouseClick(page.clear, Qt::LeftButton);

    QVERIFY(page.amount->text().isEmpty());
    QVERIFY(page.rate->text().isEmpty());
    QVERIFY(page.words->text().isEmpty());
    QVERIFY(page.memo->toPlainText().isEmpty());  // the explanation does not come back
    QCOMPARE(page.kind->currentIndex(), 2);
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

// A million characters pasted into the rate are cut to the field's 32, with
// no message, and the page computes on what is left: "18." and 29 zeros, so
// 10000 at 18 % a year over a year and a half, 2700.00. A 33rd character
// typed after them is refused.
void InterestPagesTest::pastedFloodInRateIsCut()
{
    PageFixture<pellumo::DamagesPage> fixture;
    fixture.open();
    DamagesControls page(fixture);
    page.fill(QStringLiteral("10000"), QStringLiteral("1"), 2, QDate(2009, 1, 1), QDate(2010, 7, 1));
    QCOMPARE(Lines(page.memo).last(), DamagesResultPrefix + QStringLiteral("150.00"));

    QGuiApplication::clipboard()->setText(QStringLiteral("18.") + QString(1000000, QLatin1Char('0')));
    page.rate->selectAll();
    QTest::keyClick(page.rate, Qt::Key_V, Qt::ControlModifier);

    const QString cut = QStringLiteral("18.") + QString(29, QLatin1Char('0'));
    QCOMPARE(page.rate->text(), cut);
    QCOMPARE(Lines(page.memo).last(), DamagesResultPrefix + QStringLiteral("2700.00"));
    QTest::keyClick(page.rate, Qt::Key_5);
    QCOMPARE(page.rate->text(), cut);
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

// One iteration is two keystrokes, each a full recalculation that reads
// set.rar and rewrites the memo.
void InterestPagesTest::interestKeystrokeBenchmark()
{
    PageFixture<pellumo::InterestPage> fixture;
    fixture.writeFile(QStringLiteral("set.rar"),
                      Gbk(QStringLiteral("[money]\r\nb=6\r\nbz=2011年7月7日\r\n")));
    fixture.open();
    InterestControls page(fixture);
    page.fill(QStringLiteral("10000"), QDate(2009, 1, 1), QDate(2010, 1, 1));

    QBENCHMARK
    {
        QTest::keyClick(page.amount, Qt::Key_Backspace);
        QTest::keyClick(page.amount, Qt::Key_0);
    }

    QCOMPARE(Lines(page.memo)[7], InterestResultPrefix + QStringLiteral("1200.00"));
}

void InterestPagesTest::damagesKeystrokeBenchmark()
{
    PageFixture<pellumo::DamagesPage> fixture;
    fixture.open();
    DamagesControls page(fixture);
    page.fill(QStringLiteral("10000"), QStringLiteral("18"), 2, QDate(2009, 1, 1), QDate(2010, 7, 1));

    QBENCHMARK
    {
        QTest::keyClick(page.rate, Qt::Key_Backspace);
        QTest::keyClick(page.rate, Qt::Key_8);
    }

    QCOMPARE(Lines(page.memo).last(), DamagesResultPrefix + QStringLiteral("2700.00"));
}

QTEST_MAIN(InterestPagesTest)
#include "tst_interest_pages.moc"
