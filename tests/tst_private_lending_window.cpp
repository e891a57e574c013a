// The window 民间借贷利息 as a clerk works it from the page 分段计息: every
// control recomputes, copy and PDF carry the calculation, and every field
// with a validator says what it takes when a key is refused.

#include "app/pages/interest_in_force_page.h"
#include "app/private_lending/private_lending_window.h"
#include "tests/page_harness.h"
#include "tests/pdf_text.h"
#include "tests/test_files.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <QToolTip>
#include <functional>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

QDate Day(const char *iso)
{
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

// Formed and lent 2021-06-01 at 18 %, due 2022-05-31, filed 2022-07-01,
// interest to 2022-08-29. Cap 4 × 3.85 = 15.4. Loan term 365 days:
// 15400×365/360 = 15613.888…; 90 overdue days at the continuing 18 %, capped:
// 15400×90/360 = 3850. Supported 19463.89; agreed 18250 + 4500 = 22750.00.
struct Window {
    Window()
    {
        page = &fixture.open();
        fixture.control<QToolButton>(QStringLiteral("SpeedButtonPrivateLending"))->click();
        window = page->findChild<PrivateLendingWindow *>();
        if (!window || !QTest::qWaitForWindowExposed(window))
            qFatal("the window 民间借贷利息 did not open");
        QApplication::setActiveWindow(window);
        control<QLineEdit>("EditCaseNumber")->setText(QStringLiteral("（2022）京0105民初1234号"));
        control<QLineEdit>("EditParties")->setText(QStringLiteral("原告甲，被告乙"));
        setDate("DateEditFormed", "2021-06-01");
        setDate("DateEditLent", "2021-06-01");
        setDate("DateEditDue", "2022-05-31");
        setDate("DateEditFiled", "2022-07-01");
        setDate("DateEditUntil", "2022-08-29");
        type("EditLoanRate", QStringLiteral("18"));
        type("EditPrincipal", QStringLiteral("100000"));
    }

    template <typename T>
    T *control(const char *name) const
    {
        return FindControl<T>(window, QLatin1String(name));
    }

    void setDate(const char *name, const char *iso) const { control<QDateEdit>(name)->setDate(Day(iso)); }
    void type(const char *name, const QString &text) const
    {
        QLineEdit *edit = control<QLineEdit>(name);
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, text);
    }
    QString text(const char *label) const { return control<QLabel>(label)->text(); }
    bool showsResult() const
    {
        return control<QStackedWidget>("StackResult")->currentWidget() == control<QWidget>("PageResult");
    }

    PageFixture<InterestInForcePage> fixture;
    InterestInForcePage *page = nullptr;
    PrivateLendingWindow *window = nullptr;
};

using Change = std::function<void(const Window &)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class PrivateLendingWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnceFromThePage();
    void everyInputRecomputes_data();
    void everyInputRecomputes();
    void copyPutsTheCalculationOnTheClipboard();
    void exportPdfWritesTheSheet();
    void refusedKeysAreExplained_data();
    void refusedKeysAreExplained();
};

void PrivateLendingWindowTest::opensOnceFromThePage()
{
    Window w;
    QVERIFY2(w.showsResult(), qPrintable(w.text("LabelResultMessage")));
    QCOMPARE(w.text("LabelSupportedTotal"), QStringLiteral("予以支持：19463.89元"));
    QCOMPARE(w.text("LabelSupportedCapitals"), QStringLiteral("大写：人民币壹万玖仟肆佰陆拾叁元捌角玖分"));
    QCOMPARE(w.control<QTableView>("TableSegments")->model()->rowCount(), 2);
    w.fixture.control<QToolButton>(QStringLiteral("SpeedButtonPrivateLending"))->click();
    QCOMPARE(w.page->findChildren<PrivateLendingWindow *>().size(), 1);
}

void PrivateLendingWindowTest::everyInputRecomputes_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");

    const QString supported = QStringLiteral("LabelSupportedTotal");
    const QString message = QStringLiteral("LabelResultMessage");
    // 10 % overdue instead of the continuing 18 %: 10000×90/360 = 2500.
    QTest::newRow("overdue rate") << Change([](const Window &w) { w.type("EditOverdueRate", QStringLiteral("10")); })
                                  << supported << QStringLiteral("予以支持：18113.89元");
    // 12 % for both terms: 12000×455/360 = 15166.666….
    QTest::newRow("loan rate") << Change([](const Window &w) { w.type("EditLoanRate", QStringLiteral("12")); })
                               << supported << QStringLiteral("予以支持：15166.67元");
    // 违约金 6 % on the overdue days: agreed 18250 + 24000×90/360 = 24250.
    QTest::newRow("other charges") << Change([](const Window &w) { w.type("EditOtherCharges", QStringLiteral("6")); })
                                   << QStringLiteral("LabelAgreedTotal") << QStringLiteral("主张利息：24250.00元");
    // 200000: twice 19463.888… = 38927.777….
    QTest::newRow("principal") << Change([](const Window &w) { w.type("EditPrincipal", QStringLiteral("200000")); })
                               << supported << QStringLiteral("予以支持：38927.78元");
    QTest::newRow("principal emptied") << Change([](const Window &w) { w.type("EditPrincipal", QString()); })
                                       << message << QStringLiteral("请填写借款本金");
    QTest::newRow("until") << Change([](const Window &w) { w.setDate("DateEditUntil", "2022-05-31"); })
                           << supported << QStringLiteral("予以支持：15613.89元");
    QTest::newRow("formed") << Change([](const Window &w) { w.setDate("DateEditFormed", "2021-06-02"); })
                            << message << QStringLiteral("出借日早于合同成立日");
    QTest::newRow("lent") << Change([](const Window &w) { w.setDate("DateEditLent", "2022-06-01"); })
                          << message << QStringLiteral("到期日早于出借日");
    QTest::newRow("due") << Change([](const Window &w) { w.setDate("DateEditDue", "2021-05-01"); })
                         << message << QStringLiteral("到期日早于出借日");
    QTest::newRow("filed") << Change([](const Window &w) { w.setDate("DateEditFiled", "2021-05-01"); })
                           << message << QStringLiteral("起诉日早于合同成立日");
    QTest::newRow("lender") << Change([](const Window &w) { w.control<QComboBox>("ComboBoxLender")->setCurrentIndex(1); })
                            << message << QStringLiteral("法释〔2020〕27号");
    // 算头不算尾: 89 overdue days, 15400×89/360 = 3807.222…, total 19421.11.
    QTest::newRow("day counting") << Change([](const Window &w) { w.control<QComboBox>("ComboBoxDayCounting")->setCurrentIndex(1); })
                                  << supported << QStringLiteral("予以支持：19421.11元");
    // 365 a year: 15400×455/365 = 19197.260….
    QTest::newRow("days per year") << Change([](const Window &w) { w.control<QComboBox>("ComboBoxDaysPerYear")->setCurrentIndex(1); })
                                   << supported << QStringLiteral("予以支持：19197.26元");
}

void PrivateLendingWindowTest::everyInputRecomputes()
{
    QFETCH(Change, change);
    QFETCH(QString, label);
    QFETCH(QString, expected);

    Window w;
    change(w);
    const QString shown = w.text(label.toLatin1().constData());
    QVERIFY2(shown.contains(expected), qPrintable(shown));
    QCOMPARE(w.showsResult(), label != QStringLiteral("LabelResultMessage"));
    QCOMPARE(w.control<QPushButton>("ButtonCopy")->isEnabled(), w.showsResult());
}

void PrivateLendingWindowTest::copyPutsTheCalculationOnTheClipboard()
{
    Window w;
    w.control<QPushButton>("ButtonCopy")->click();
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY2(text.startsWith(QStringLiteral("民间借贷利息计算\n借款本金：100000.00元\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("予以支持19463.89元（大写：人民币壹万玖仟肆佰陆拾叁元捌角玖分）")), qPrintable(text));
}

void PrivateLendingWindowTest::exportPdfWritesTheSheet()
{
    Window w;
    const QString path = w.fixture.filePath(QStringLiteral("民间借贷.pdf"));
    w.fixture.fileDialogs.answers = {path};
    w.control<QPushButton>("ButtonExportPdf")->click();
    QVERIFY2(w.fixture.boxes.boxes.isEmpty(), qPrintable(w.fixture.boxes.boxes.value(0).text));
    QVERIFY(ReadBytes(path).startsWith("%PDF"));
    if (!HavePopplerTools())
        QSKIP("pdftotext is not installed");
    const QString pdf = PdfText(path);
    for (const QString &expected : {QStringLiteral("（2022）京0105民初1234号"), QStringLiteral("原告甲，被告乙"),
                                    QStringLiteral("19463.89"), QStringLiteral("法释〔2020〕17号第二十五条")})
        QVERIFY2(pdf.contains(Squeezed(expected)), qPrintable(expected));
}

void PrivateLendingWindowTest::refusedKeysAreExplained_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("hint");
    QTest::newRow("principal") << QStringLiteral("EditPrincipal") << QStringLiteral("本金只能是数字，最多两位小数");
    for (const char *rate : {"EditLoanRate", "EditOverdueRate", "EditOtherCharges"})
        QTest::newRow(rate) << QString::fromLatin1(rate) << QStringLiteral("年利率只能是不小于零的数字（百分数），最多四位小数");
}

void PrivateLendingWindowTest::refusedKeysAreExplained()
{
    QFETCH(QString, field);
    QFETCH(QString, hint);
    Window w;
    QLineEdit *edit = w.control<QLineEdit>(field.toLatin1().constData());
    const QString before = edit->text();
    QTest::keyClicks(edit, QStringLiteral("-"));
    QCOMPARE(edit->text(), before);
    QTRY_COMPARE(QToolTip::text(), hint);
    QToolTip::hideText();
}

QTEST_MAIN(PrivateLendingWindowTest)
#include "tst_private_lending_window.moc"
