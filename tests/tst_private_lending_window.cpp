// The window 民间借贷利息 as a clerk works it from the page 分段计息: each kind
// of control recomputes, copy and PDF carry the calculation, and the fields
// with a validator say what they take when a key is refused.

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

// Formed and lent 2021-06-01 at 18 %, due 2022-05-31, filed 2022-07-01,
// interest to 2022-08-29. Cap 4 × 3.85 = 15.4: 455 days at the capped rate,
// 15400×455/360 = 19463.89 supported; agreed 18250 + 4500 = 22750.00.
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
        dates("2021-06-01", "2021-06-01", "2022-05-31", "2022-07-01", "2022-08-29");
        type("EditLoanRate", "18");
        type("EditPrincipal", "100000");
    }

    template <typename T>
    T *control(const char *name) const { return FindControl<T>(window, QLatin1String(name)); }
    void dates(const char *formed, const char *lent, const char *due, const char *filed, const char *until) const
    {
        const char *names[] = {"DateEditFormed", "DateEditLent", "DateEditDue", "DateEditFiled", "DateEditUntil"};
        const char *days[] = {formed, lent, due, filed, until};
        for (int i = 0; i < 5; ++i)
            control<QDateEdit>(names[i])->setDate(QDate::fromString(QLatin1String(days[i]), Qt::ISODate));
    }
    void type(const char *name, const char *text) const
    {
        QLineEdit *edit = control<QLineEdit>(name);
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    void choose(const char *combo, int index) const { control<QComboBox>(combo)->setCurrentIndex(index); }
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
    void copyAndPdfCarryTheCalculation();
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

// One row per kind of control, each reading all its controls at once: a
// control left unread or unbound shows another figure or no message.
void PrivateLendingWindowTest::everyInputRecomputes_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");

    const QString supported = QStringLiteral("LabelSupportedTotal");
    const QString message = QStringLiteral("LabelResultMessage");
    // 200000 at 12 % for 365 days, then 90 overdue days at 5 % + 违约金 6 %,
    // all under the cap: 2000×(12×365 + 11×90)/360 = 29833.33.
    QTest::newRow("amount edits") << Change([](const Window &w) {
        w.type("EditLoanRate", "12"), w.type("EditOverdueRate", "5"), w.type("EditOtherCharges", "6");
        w.type("EditPrincipal", "200000");
    }) << supported << QStringLiteral("予以支持：29833.33元");
    QTest::newRow("principal emptied") << Change([](const Window &w) { w.type("EditPrincipal", ""); }) << message
                                       << QStringLiteral("请填写借款本金");
    // Overdue 10 %. Formed 2022-01-01: cap 4 × 3.80 = 15.2. Lent 2022-01-10 to
    // due 2022-06-30, 172 days at the capped 18 %, then 62 days to 2022-08-31
    // at 10 %: (15200×172 + 10000×62)/360 = 8984.44.
    QTest::newRow("date edits") << Change([](const Window &w) {
        w.type("EditOverdueRate", "10");
        w.dates("2022-01-01", "2022-01-10", "2022-06-30", "2022-09-01", "2022-08-31");
    }) << supported << QStringLiteral("予以支持：8984.44元");
    // The filing day moves no figure in the row above: it shows in its refusal.
    QTest::newRow("filed") << Change([](const Window &w) { w.dates("2021-06-01", "2021-06-01", "2022-05-31", "2021-05-01", "2022-08-29"); })
                           << message << QStringLiteral("起诉日早于合同成立日");
    QTest::newRow("lender") << Change([](const Window &w) { w.choose("ComboBoxLender", 1); }) << message
                            << QStringLiteral("法释〔2020〕27号");
    // 算头不算尾 and 365 a year: 454 days, 15400×454/365 = 19155.07.
    QTest::newRow("day counting and days per year") << Change([](const Window &w) {
        w.choose("ComboBoxDayCounting", 1), w.choose("ComboBoxDaysPerYear", 1);
    }) << supported << QStringLiteral("予以支持：19155.07元");
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

void PrivateLendingWindowTest::copyAndPdfCarryTheCalculation()
{
    Window w;
    w.control<QPushButton>("ButtonCopy")->click();
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY2(text.startsWith(QStringLiteral("民间借贷利息计算\n借款本金：100000.00元\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("予以支持19463.89元（大写：人民币壹万玖仟肆佰陆拾叁元捌角玖分）")), qPrintable(text));

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

// The principal has its own hint; the three rate edits share one validator loop.
void PrivateLendingWindowTest::refusedKeysAreExplained()
{
    Window w;
    for (const auto &[field, hint] : {std::pair{"EditPrincipal", QStringLiteral("本金只能是数字，最多两位小数")},
                                      std::pair{"EditOtherCharges", QStringLiteral("年利率只能是不小于零的数字（百分数），最多四位小数")}}) {
        QLineEdit *edit = w.control<QLineEdit>(field);
        const QString before = edit->text();
        QTest::keyClicks(edit, QStringLiteral("-"));
        QCOMPARE(edit->text(), before);
        QTRY_COMPARE(QToolTip::text(), hint);
        QToolTip::hideText();
    }
}

QTEST_MAIN(PrivateLendingWindowTest)
#include "tst_private_lending_window.moc"
