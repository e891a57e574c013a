// The page "分段计息" as a user works it, and the notice of the page "迟延利息"
// that points to it: each input recalculates, the copy button puts the whole
// calculation on the clipboard, the installed rate history is used only when
// it reads as valid.

#include "app/pages/interest_in_force_page.h"
#include "app/pages/interest_page.h"
#include "app/pages/segmented_interest_sheet.h"
#include "app/printing/case_details_dialog.h"
#include "interest/rate_history.h"
#include "tests/modal_dialog.h"
#include "app/widgets/rejected_input_hint.h"
#include "tests/page_harness.h"
#include "tests/refused_keys.h"
#include "tests/pdf_text.h"
#include "tests/test_files.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QToolButton>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

const QString TotalPrefix = QStringLiteral(" 【计算结果】利息合计(元)：");
const QString DoubledPrefix = QStringLiteral(" 【计算结果】加倍部分债务利息(元)：");

void TypeOver(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QString FirstLine(const QPlainTextEdit *memo)
{
    return memo->toPlainText().section(QLatin1Char('\n'), 0, 0);
}

// The built-in history with the one-year benchmark rate of 2012-07-06 raised
// from 6.00 to 7.20, and its version raised so that it counts as newer.
QByteArray AlteredHistory()
{
    BuiltInRateHistory();  // registers the resource
    QFile file(QStringLiteral(":/interest/rate_history.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no built-in history");
    QByteArray bytes = file.readAll();
    bytes.replace("2012-07-06\t5.60\t6.00\t", "2012-07-06\t5.60\t7.20\t");
    bytes.replace("#version\t1\n", "#version\t2\n");
    return bytes;
}

struct Controls {
    explicit Controls(PageFixture<InterestInForcePage> &fixture)
        : amount(fixture.control<QLineEdit>(QStringLiteral("EditPrincipal"))),
          words(fixture.control<QLabel>(QStringLiteral("LabelPrincipalWords"))),
          first(fixture.control<QDateEdit>(QStringLiteral("DateTimePickerFirst"))),
          last(fixture.control<QDateEdit>(QStringLiteral("DateTimePickerLast"))),
          calculation(fixture.control<QComboBox>(QStringLiteral("ComboBoxCalculation"))),
          basis(fixture.control<QComboBox>(QStringLiteral("ComboBoxBasis"))),
          multiplier(fixture.control<QLineEdit>(QStringLiteral("EditMultiplier"))),
          daysPerYear(fixture.control<QComboBox>(QStringLiteral("ComboBoxDaysPerYear"))),
          ratesInForceChoices(fixture.control<QWidget>(QStringLiteral("RatesInForceChoices"))),
          doubledRule(fixture.control<QLabel>(QStringLiteral("LabelDoubledRule"))),
          memo(fixture.control<QPlainTextEdit>(QStringLiteral("MemoSegments"))),
          copy(fixture.control<QToolButton>(QStringLiteral("SpeedButtonCopy")))
    {
    }

    // 36000 at 6.00% a year for ten days of 2013: 60.00.
    void fillTenDaysOf2013()
    {
        first->setDate(QDate(2013, 1, 1));
        last->setDate(QDate(2013, 1, 10));
        TypeOver(amount, QStringLiteral("36000"));
    }

    QLineEdit *amount;
    QLabel *words;
    QDateEdit *first;
    QDateEdit *last;
    QComboBox *calculation;
    QComboBox *basis;
    QLineEdit *multiplier;
    QComboBox *daysPerYear;
    QWidget *ratesInForceChoices;
    QLabel *doubledRule;
    QPlainTextEdit *memo;
    QToolButton *copy;
};

} // namespace

class InterestInForcePageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startValues();
    void eachInputRecalculates_data();
    void eachInputRecalculates();
    void contractTermsRecalculate_data();
    void contractTermsRecalculate();
    void unfinishedTextKeepsResults_data();
    void unfinishedTextKeepsResults();
    void refusedKeyShowsWhatTheFieldTakes_data();
    void refusedKeyShowsWhatTheFieldTakes();
    void doubledInterestHidesRateChoices();
    void copyPutsWholeCalculationOnClipboard();
    void exportedSheetHoldsTheWholeCalculation();
    void sheetStatesTheContractTerms();
    void printAsksForTheCaseThenPreviews();
    void installedHistory_data();
    void installedHistory();
    void historyInstalledWhileOpenCountsAtNextChange();
    void oldPageNoticeOfRuleOf2014_data();
    void oldPageNoticeOfRuleOf2014();
    void keystrokeOverThirtyYearsBenchmark();
};

void InterestInForcePageTest::startValues()
{
    PageFixture<InterestInForcePage> fixture;
    fixture.open();
    Controls page(fixture);
    QCOMPARE(page.first->date(), QDate::currentDate());
    QCOMPARE(page.last->date(), QDate::currentDate());
    QCOMPARE(page.calculation->currentIndex(), 0);
    QCOMPARE(page.basis->currentText(), QStringLiteral("一年期"));
    QCOMPARE(page.multiplier->text(), QStringLiteral("1"));
    QCOMPARE(page.daysPerYear->currentText(), QStringLiteral("360天"));
    QVERIFY(!page.copy->isEnabled());  // nothing to copy before a result
    QVERIFY(page.memo->toPlainText().startsWith(QStringLiteral("说明：")));
}

void InterestInForcePageTest::eachInputRecalculates_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("amount doubled") << "amount" << QVariant(QStringLiteral("72000")) << TotalPrefix + QLatin1String("120.00");
    QTest::newRow("first day five days later") << "first" << QVariant(QDate(2013, 1, 6)) << TotalPrefix + QLatin1String("30.00");
    QTest::newRow("last day ten days later") << "last" << QVariant(QDate(2013, 1, 20)) << TotalPrefix + QLatin1String("120.00");
    // Ten days fall into the band up to six months: 2 × 5.60%.
    QTest::newRow("doubled interest") << "calculation" << QVariant(1) << DoubledPrefix + QLatin1String("112.00");
    QTest::newRow("over five years, 6.55%") << "basis" << QVariant(1) << TotalPrefix + QLatin1String("65.50");
    QTest::newRow("by term, up to six months, 5.60%") << "basis" << QVariant(2) << TotalPrefix + QLatin1String("56.00");
    QTest::newRow("multiplier 1.5") << "multiplier" << QVariant(QStringLiteral("1.5")) << TotalPrefix + QLatin1String("90.00");
    QTest::newRow("365-day year") << "daysPerYear" << QVariant(1) << TotalPrefix + QLatin1String("59.18");
}

void InterestInForcePageTest::eachInputRecalculates()
{
    QFETCH(QString, input);
    QFETCH(QVariant, value);
    QFETCH(QString, firstLine);

    PageFixture<InterestInForcePage> fixture;
    fixture.open();
    Controls page(fixture);
    page.fillTenDaysOf2013();
    QCOMPARE(FirstLine(page.memo), TotalPrefix + QLatin1String("60.00"));
    QCOMPARE(page.words->text(), QStringLiteral("三万六千元"));

    if (input == QLatin1String("amount"))
        TypeOver(page.amount, value.toString());
    else if (input == QLatin1String("multiplier"))
        TypeOver(page.multiplier, value.toString());
    else if (input == QLatin1String("first"))
        page.first->setDate(value.toDate());
    else if (input == QLatin1String("last"))
        page.last->setDate(value.toDate());
    else
        fixture.control<QComboBox>(input == QLatin1String("calculation") ? QStringLiteral("ComboBoxCalculation")
                                   : input == QLatin1String("basis")     ? QStringLiteral("ComboBoxBasis")
                                                                         : QStringLiteral("ComboBoxDaysPerYear"))
            ->setCurrentIndex(value.toInt());

    QCOMPARE(FirstLine(page.memo), firstLine);
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

// 36000 from 2012-07-01 to 2012-07-10 at the one-year rate, 6.31% up to
// 07-05 and 6.00% from 07-06: 5 × 6.31 + 5 × 6.00 = 61.55 (yuan a day = percent).
void InterestInForcePageTest::contractTermsRecalculate_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("textSays");

    // + 10 × 0.50 = 66.55.
    QTest::newRow("basis points typed") << "EditBasisPoints" << QVariant(QStringLiteral("50")) << "66.55"
                                        << "一年期同期贷款利率加50个基点";
    // 10 × 6.31.
    QTest::newRow("fixed at the start day") << "ComboBoxRepricing" << QVariant(2) << "63.10" << "固定为起算日的利率";
    // 7 × 6.31 until the repricing of 07-08 takes 6.00: 44.17 + 18 = 62.17.
    QTest::newRow("yearly on 8 July") << "DateEditRepricingDay" << QVariant(QDate(2000, 7, 8)) << "62.17"
                                      << "每年7月8日重定价";
    // 07-10 bears none: 5 × 6.31 + 4 × 6.00 = 55.55.
    QTest::newRow("算头不算尾") << "ComboBoxDayCount" << QVariant(1) << "55.55" << "算头不算尾";
}

void InterestInForcePageTest::contractTermsRecalculate()
{
    QFETCH(QString, control);
    QFETCH(QVariant, value);
    PageFixture<InterestInForcePage> fixture;
    fixture.open();
    Controls page(fixture);
    page.first->setDate(QDate(2012, 7, 1));
    page.last->setDate(QDate(2012, 7, 10));
    TypeOver(page.amount, QStringLiteral("36000"));
    QCOMPARE(FirstLine(page.memo), TotalPrefix + QLatin1String("61.55"));
    auto *repricingDay = fixture.control<QDateEdit>(QStringLiteral("DateEditRepricingDay"));
    QVERIFY(!repricingDay->isEnabled());

    if (control == QLatin1String("EditBasisPoints")) {
        TypeOver(fixture.control<QLineEdit>(control), value.toString());
    } else if (control == QLatin1String("DateEditRepricingDay")) {
        fixture.control<QComboBox>(QStringLiteral("ComboBoxRepricing"))->setCurrentIndex(1);
        QVERIFY(repricingDay->isEnabled());
        repricingDay->setDate(value.toDate());
    } else {
        fixture.control<QComboBox>(control)->setCurrentIndex(value.toInt());
    }

    QTEST(FirstLine(page.memo).mid(TotalPrefix.size()), "total");
    QFETCH(QString, textSays);
    page.copy->click();
    QVERIFY2(QGuiApplication::clipboard()->text().contains(textSays), qPrintable(QGuiApplication::clipboard()->text()));
}

// The minus is refused with the tooltip, and the page computes with what the
// field then holds: 18000 for ten days at 6.00%, or the 60.00 doubled.
void InterestInForcePageTest::refusedKeyShowsWhatTheFieldTakes_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("principal") << "EditPrincipal" << QStringLiteral("-18000") << FieldTakes::Amount
                               << QStringLiteral("18000") << TotalPrefix + QLatin1String("30.00");
    QTest::newRow("multiplier") << "EditMultiplier" << QStringLiteral("-2") << FieldTakes::Multiplier
                                << QStringLiteral("2") << TotalPrefix + QLatin1String("120.00");
}

void InterestInForcePageTest::refusedKeyShowsWhatTheFieldTakes()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, hint);
    PageFixture<InterestInForcePage> fixture;
    fixture.open();
    Controls page(fixture);
    page.fillTenDaysOf2013();
    auto *edit = fixture.control<QLineEdit>(field);
    edit->setFocus();
    const QString failure = TypeWatchingHint(edit, typed, 0, hint);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QTEST(edit->text(), "held");
    QTEST(FirstLine(page.memo), "firstLine");
}

void InterestInForcePageTest::unfinishedTextKeepsResults_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("amount emptied") << "EditPrincipal" << QString();
    QTest::newRow("amount a lone point") << "EditPrincipal" << QStringLiteral(".");
    QTest::newRow("amount pasted as letters") << "EditPrincipal" << QStringLiteral("abc");
    QTest::newRow("amount negative") << "EditPrincipal" << QStringLiteral("-5");
    QTest::newRow("multiplier emptied") << "EditMultiplier" << QString();
    QTest::newRow("multiplier zero") << "EditMultiplier" << QStringLiteral("0");
    QTest::newRow("basis points a lone minus") << "EditBasisPoints" << QStringLiteral("-");
}

// setText passes by the fields' validators, as nothing a user types can.
void InterestInForcePageTest::unfinishedTextKeepsResults()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    PageFixture<InterestInForcePage> fixture;
    fixture.open();
    Controls page(fixture);
    page.fillTenDaysOf2013();
    const QString memoBefore = page.memo->toPlainText();

    fixture.control<QLineEdit>(field)->setText(text);

    QCOMPARE(page.memo->toPlainText(), memoBefore);
    QCOMPARE(page.words->text(), QStringLiteral("三万六千元"));
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void InterestInForcePageTest::doubledInterestHidesRateChoices()
{
    PageFixture<InterestInForcePage> fixture;
    fixture.open();
    Controls page(fixture);
    QVERIFY(page.ratesInForceChoices->isVisible());
    QVERIFY(!page.doubledRule->isVisible());
    page.calculation->setCurrentIndex(1);
    QVERIFY(!page.ratesInForceChoices->isVisible());
    QVERIFY(page.doubledRule->isVisible());
}

void InterestInForcePageTest::copyPutsWholeCalculationOnClipboard()
{
    PageFixture<InterestInForcePage> fixture;
    fixture.open();
    Controls page(fixture);
    page.calculation->setCurrentIndex(1);
    page.first->setDate(QDate(2013, 1, 1));
    page.last->setDate(QDate(2014, 12, 31));
    TypeOver(page.amount, QStringLiteral("100000"));
    QCOMPARE(FirstLine(page.memo), DoubledPrefix + QLatin1String("22391.67"));
    QGuiApplication::clipboard()->clear();

    QTest::mouseClick(page.copy, Qt::LeftButton);

    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("迟延履行期间加倍部分债务利息计算"));
    QVERIFY(lines.contains(QStringLiteral("合计：22391.67元（大写：人民币贰万贰仟叁佰玖拾壹元陆角柒分）")));
    QVERIFY(lines.contains(QStringLiteral("2. 2014年8月1日至2014年12月31日，共153天，按日万分之一点七五"
                                          "计算：100000×0.0175%×153＝2677.50元")));
    QVERIFY(lines.value(lines.size() - 2).startsWith(QStringLiteral("法律依据：")));
}

// The sheet writes the rate form and the day counting out, as the copied text does.
void InterestInForcePageTest::sheetStatesTheContractTerms()
{
    SegmentedInterestRequest request;
    request.principal = 36000;
    request.first = QDate(2020, 4, 20);
    request.last = QDate(2020, 4, 29);
    request.multiplier = Money::fraction(3, 2);
    request.basisPoints = 50;
    request.repricing = Repricing::Yearly;
    request.countLastDay = false;
    const CalculationSheet sheet =
        SegmentedInterestSheet(request, CalculateSegmentedInterest(request, BuiltInRateHistory()), {}, QDate(2026, 1, 1));
    QStringList inputs;
    for (const SheetLine &line : sheet.inputs)
        inputs << line.label + QStringLiteral("：") + line.value;
    QVERIFY2(inputs.contains(QStringLiteral("利率：一年期LPR的1.5倍加50个基点，每年1月1日重定价")), qPrintable(inputs.join(QLatin1Char('\n'))));
    QVERIFY(inputs.contains(QStringLiteral("计息期间：2020年4月20日至2020年4月29日，共9天（算头不算尾）")));
    QVERIFY(sheet.choices.contains(QStringLiteral("计息天数：算头不算尾")));
}

void InterestInForcePageTest::exportedSheetHoldsTheWholeCalculation()
{
    if (!HavePopplerTools())
        QSKIP("pdftotext (poppler-utils) is not installed");
    PageFixture<InterestInForcePage> fixture;
    fixture.open();
    Controls page(fixture);
    auto *exportPdf = fixture.control<QToolButton>(QStringLiteral("SpeedButtonExportPdf"));
    QVERIFY(!exportPdf->isEnabled());
    QVERIFY(!fixture.control<QToolButton>(QStringLiteral("SpeedButtonPrint"))->isEnabled());
    page.calculation->setCurrentIndex(1);
    page.first->setDate(QDate(2013, 1, 1));
    page.last->setDate(QDate(2014, 12, 31));
    TypeOver(page.amount, QStringLiteral("100000"));
    QVERIFY(exportPdf->isEnabled());

    const QString path = fixture.filePath(QStringLiteral("sheet.pdf"));
    fixture.fileDialogs.answers = {path};
    WhenModal<CaseDetailsDialog>([](CaseDetailsDialog *dialog) {
        dialog->setCaseNumber(QStringLiteral("（2026）京0105执1234号"));
        dialog->setParties(QStringLiteral("申请执行人甲，被执行人乙"));
        dialog->accept();
    });
    QTest::mouseClick(exportPdf, Qt::LeftButton);
    QCOMPARE(QFileInfo(fixture.fileDialogs.asked.value(0).offered).fileName(),
             QStringLiteral("迟延履行期间加倍部分债务利息计算-%1.pdf").arg(QDate::currentDate().toString(Qt::ISODate)));

    const QString text = PdfText(path);
    // 100000 × 6.15% × 2 ÷ 360 × 577 = 19714.1666…; 100000 × 0.0175% × 153 = 2677.50;
    // the total 22391.6666… rounds once to 22391.67.
    for (const QString &expected :
         {QStringLiteral("迟延履行期间加倍部分债务利息计算"), QStringLiteral("案号：（2026）京0105执1234号"),
          QStringLiteral("当事人：申请执行人甲，被执行人乙"), QStringLiteral("债务本金100000.00元"),
          // The two segments, by the cells that keep to one line (a
          // wrapped cell reads back interleaved with its neighbours).
          QStringLiteral("2013-01-01至2014-07-31"), QStringLiteral("100000×6.15%×2÷360×577≈19714.17"),
          QStringLiteral("2014-08-01至2014-12-31"), QStringLiteral("日万分之一点七五"),
          QStringLiteral("100000×0.0175%×153＝2677.50"),
          QStringLiteral("加倍部分债务利息（小写）22391.67元"),
          QStringLiteral("加倍部分债务利息（大写）人民币贰万贰仟叁佰玖拾壹元陆角柒分"), QStringLiteral("法释〔2014〕8号"),
          QStringLiteral("利率数据第1版"), QStringLiteral("节假日数据第"), QStringLiteral("第1页共1页")})
        QVERIFY2(text.contains(Squeezed(expected)), qPrintable(expected));
    for (const PdfFont &font : PdfFonts(path))
        QVERIFY2(font.embedded, qPrintable(font.name));
}

void InterestInForcePageTest::printAsksForTheCaseThenPreviews()
{
    PageFixture<InterestInForcePage> fixture;
    fixture.open();
    Controls page(fixture);
    page.fillTenDaysOf2013();
    QString previewTitle;
    WhenModal<CaseDetailsDialog>([&previewTitle](CaseDetailsDialog *dialog) {
        WhenModal<QPrintPreviewDialog>([&previewTitle](QPrintPreviewDialog *preview) {
            previewTitle = preview->windowTitle();
            preview->reject();
        });
        dialog->accept();
    });
    QTest::mouseClick(fixture.control<QToolButton>(QStringLiteral("SpeedButtonPrint")), Qt::LeftButton);
    QCOMPARE(previewTitle, QStringLiteral("打印预览 - 按同期利率分段计息"));
}

void InterestInForcePageTest::installedHistory_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("valid and newer: used") << AlteredHistory() << TotalPrefix + QLatin1String("72.00");
    QTest::newRow("cut off: ignored") << AlteredHistory().chopped(40) << TotalPrefix + QLatin1String("60.00");
    QTest::newRow("not a history: ignored") << QByteArray("garbage\n") << TotalPrefix + QLatin1String("60.00");
}

void InterestInForcePageTest::installedHistory()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, firstLine);
    PageFixture<InterestInForcePage> fixture;
    fixture.writeFile(QString::fromLatin1(RateHistoryFileName), file);
    fixture.open();
    Controls page(fixture);
    page.fillTenDaysOf2013();
    QCOMPARE(FirstLine(page.memo), firstLine);
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void InterestInForcePageTest::historyInstalledWhileOpenCountsAtNextChange()
{
    PageFixture<InterestInForcePage> fixture;
    fixture.open();
    Controls page(fixture);
    page.fillTenDaysOf2013();
    QCOMPARE(FirstLine(page.memo), TotalPrefix + QLatin1String("60.00"));

    fixture.writeFile(QString::fromLatin1(RateHistoryFileName), AlteredHistory());
    TypeOver(page.amount, QStringLiteral("36000"));

    QCOMPARE(FirstLine(page.memo), TotalPrefix + QLatin1String("72.00"));
}

void InterestInForcePageTest::oldPageNoticeOfRuleOf2014_data()
{
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("shown");
    QTest::newRow("ends the day before 2014-08-01") << QDate(2014, 7, 31) << false;
    QTest::newRow("ends on 2014-08-01") << QDate(2014, 8, 1) << true;
    QTest::newRow("ends later") << QDate(2020, 1, 1) << true;
}

void InterestInForcePageTest::oldPageNoticeOfRuleOf2014()
{
    QFETCH(QDate, end);
    QFETCH(bool, shown);
    PageFixture<InterestPage> fixture;
    fixture.open();
    auto *notice = fixture.control<QLabel>(QStringLiteral("LabelRuleOf2014"));
    auto *endPicker = fixture.control<QDateEdit>(QStringLiteral("DateTimePickerend"));
    QVERIFY(notice->isVisible());  // today is past 2014-08-01
    QVERIFY(notice->text().contains(QStringLiteral("“分段计息”")));

    endPicker->setDate(QDate(2000, 1, 1));
    endPicker->setDate(end);

    QCOMPARE(notice->isVisible(), shown);
    // Outside the memo, above it.
    auto *memo = fixture.control<QPlainTextEdit>(QStringLiteral("Memo3"));
    QVERIFY(notice->geometry().bottom() < memo->geometry().top());
}

namespace {

// 100000 over 1999-06-10 to 2029-06-09 at the one-year rate: every benchmark
// change and LPR fixing of the history, two memo lines each.
Controls OpenOnThirtyYears(PageFixture<InterestInForcePage> &fixture)
{
    fixture.open();
    Controls page(fixture);
    page.first->setDate(QDate(1999, 6, 10));
    page.last->setDate(QDate(2029, 6, 9));
    TypeOver(page.amount, QStringLiteral("100000"));
    return page;
}

} // namespace

// One iteration is two keystrokes, each a full recalculation and memo rewrite.
// The benchmark reports the time and asserts none (README.md, performance
// notes, has the figures): a time limit would measure the machine.
void InterestInForcePageTest::keystrokeOverThirtyYearsBenchmark()
{
    PageFixture<InterestInForcePage> fixture;
    const Controls page = OpenOnThirtyYears(fixture);
    const QString memoBefore = page.memo->toPlainText();
    QVERIFY(memoBefore.count(QLatin1Char('\n')) > 60);

    QBENCHMARK
    {
        QTest::keyClick(page.amount, Qt::Key_Backspace);
        QTest::keyClick(page.amount, Qt::Key_0);
    }

    QCOMPARE(page.memo->toPlainText(), memoBefore);
}

QTEST_MAIN(InterestInForcePageTest)
#include "tst_interest_in_force_page.moc"
