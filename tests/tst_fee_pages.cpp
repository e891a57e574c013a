// The two fee pages of the real main window: typing an amount, the drop-down
// choices, rejected amounts, Enter, the result buttons (clipboard and row
// colours) and the base-amount dialog opened from the page.

#include "app/dialogs/base_amount_dialog.h"
#include "app/widgets/result_button.h"
#include "fees/base_amounts.h"
#include "app/pages/acceptance_fee_page.h"
#include "app/pages/application_fee_page.h"
#include "tests/page_harness.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

QStringList Texts(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list << QString::fromUtf8(text);
    return list;
}

QColor TextColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

// One row per text and fee page: the page, its amount field and drop-downs,
// one of its result buttons and its amount reading.
void AddAmountFieldRows(const QStringList &texts)
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("comboBoxes");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("reading");

    const QStringList acceptanceBoxes = Texts({"ComboBox1", "ComboBox2"});
    const QStringList applicationBoxes = Texts({"ComboBox3"});
    for (const QString &text : texts) {
        QTest::addRow("acceptance fee, \"%s\"", qPrintable(text))
            << "TabSheet1" << "edtBd" << text << acceptanceBoxes << "SpeedButton3" << "Label24";
        QTest::addRow("application fee, \"%s\"", qPrintable(text))
            << "TabSheet5" << "Edit7" << text << applicationBoxes << "SpeedButton4" << "Label25";
    }
}

} // namespace

class FeePagesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void acceptanceFees_data();
    void acceptanceFees();
    void acceptanceFeeChoices_data();
    void acceptanceFeeChoices();
    void feesUseTheStoredBaseAmounts_data();
    void feesUseTheStoredBaseAmounts();
    void applicationFees_data();
    void applicationFees();
    void choiceRecalculatesOnlyWhenTheUserMakesIt_data();
    void choiceRecalculatesOnlyWhenTheUserMakesIt();
    void rejectedAmountEmptiesTheField_data();
    void rejectedAmountEmptiesTheField();
    void unfinishedAmountKeepsTheResults_data();
    void unfinishedAmountKeepsTheResults();
    void enterEmptiesTheFieldAndKeepsTheResults_data();
    void enterEmptiesTheFieldAndKeepsTheResults();
    void keyboardFocusLeavesTheTextUnselected();
    void clickCopiesTheCaption_data();
    void clickCopiesTheCaption();
    void pointerColoursTheRow_data();
    void pointerColoursTheRow();
    void pointerMovesStraightToTheNextRow();
    void savedBaseAmountsShowAtOnceAndCountFromTheNextCalculation();
    void backLeavesEverythingAsItWas();
    void acceptancePageAlone();
    void applicationPageAlone();
    void oneKeystroke();

private:
    void showPage(const QString &page);
    void typeAmount(const QString &field, const QString &text);
    void pasteAmount(const QString &field, const QString &text);
    void chooseWithKeyboard(const QString &comboBox, int index);
    void chooseWithMouse(const QString &comboBox, int index);
    QString caption(const QString &button) const { return m_fixture->control<QToolButton>(button)->text(); }
    QString labelText(const QString &label) const { return m_fixture->control<QLabel>(label)->text(); }
    // Opens the base-amount dialog from the page; `whileOpen` runs inside its modal loop.
    void openBaseAmountDialog(const std::function<void(TForm2 *)> &whileOpen);

    std::unique_ptr<WindowFixture> m_fixture;
};

void FeePagesTest::init()
{
    m_fixture = std::make_unique<WindowFixture>();
}

void FeePagesTest::cleanup()
{
    m_fixture.reset();
}

void FeePagesTest::showPage(const QString &page)
{
    auto *pages = m_fixture->control<QTabWidget>(QStringLiteral("PageControl1"));
    pages->setCurrentWidget(m_fixture->control<QWidget>(page));
}

void FeePagesTest::typeAmount(const QString &field, const QString &text)
{
    auto *edit = m_fixture->control<QLineEdit>(field);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), text);
}

// The whole text at once, as pasted: judged as one amount, never as the
// beginnings it would pass through when typed.
void FeePagesTest::pasteAmount(const QString &field, const QString &text)
{
    auto *edit = m_fixture->control<QLineEdit>(field);
    edit->selectAll();
    edit->insert(text);
}

// Arrow keys on the closed list, as a user without a mouse does it. The
// calculation puts the focus back into the amount field, so it is taken back
// before each key.
void FeePagesTest::chooseWithKeyboard(const QString &comboBox, int index)
{
    auto *box = m_fixture->control<QComboBox>(comboBox);
    while (box->currentIndex() != index) {
        box->setFocus();
        QTest::keyClick(box, box->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
}

void FeePagesTest::chooseWithMouse(const QString &comboBox, int index)
{
    auto *box = m_fixture->control<QComboBox>(comboBox);
    box->showPopup();
    QAbstractItemView *list = box->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    const QRect item = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(box->currentIndex(), index);
}

void FeePagesTest::openBaseAmountDialog(const std::function<void(TForm2 *)> &whileOpen)
{
    TForm2 *dialog = m_fixture->window->baseAmountDialog();
    bool ranWhileOpen = false;
    QTimer::singleShot(0, dialog, [&] {
        ranWhileOpen = dialog->isVisible() && dialog->isModal();
        whileOpen(dialog);
        if (dialog->isVisible())
            dialog->reject();  // never leave the test hanging in the modal loop
    });
    QTest::mouseClick(m_fixture->control<QToolButton>(QStringLiteral("SpeedButtonjishu")), Qt::LeftButton);
    QVERIFY(ranWhileOpen);
    QVERIFY(!dialog->isVisible());
}

// ---- Calculations ----

void FeePagesTest::acceptanceFees_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("divorce");
    QTest::addColumn<QString>("personalityRights");
    QTest::addColumn<QString>("reading");

    QTest::newRow("one fen") << "0.01" << "50.00" << "50.00" << "100.00" << "零元一分";
    QTest::newRow("half a yuan") << "0.5" << "50.00" << "50.00" << "100.00" << "零元五角";
    QTest::newRow("fraction without leading zero") << ".5" << "50.00" << "50.00" << "100.00" << "零元五角";
    QTest::newRow("top of the 2.5% bracket") << "100000" << "2300.00" << "50.00" << "600.00" << "一十万元";
    QTest::newRow("exponent form") << "1e5" << "2300.00" << "50.00" << "600.00" << "一十万元";
    QTest::newRow("blanks around the number") << " 150000 " << "3300.00" << "50.00" << "850.00" << "一十五万元";
    QTest::newRow("just above the divorce threshold") << "200001" << "4300.02" << "50.01" << "1100.01" << "二十万零一元";
    QTest::newRow("reading with jiao and fen") << "12345.67" << "108.64" << "50.00" << "100.00"
                                               << "一万二千三百四十五元六角七分";
}

void FeePagesTest::acceptanceFees()
{
    QFETCH(QString, amount);
    m_fixture->open();
    typeAmount(QStringLiteral("edtBd"), amount);  // key by key, "0.01" through "0" and "0."
    QCOMPARE(m_fixture->control<QLineEdit>(QStringLiteral("edtBd"))->text(), amount);
    QTEST(caption(QStringLiteral("SpeedButton3")), "property");
    QTEST(caption(QStringLiteral("SpeedButton5")), "divorce");
    QTEST(caption(QStringLiteral("SpeedButton6")), "personalityRights");
    QTEST(labelText(QStringLiteral("Label24")), "reading");
    QVERIFY(m_fixture->control<QLabel>(QStringLiteral("Label26"))->isHidden());
    QVERIFY(m_fixture->boxes.boxes.isEmpty());
}

void FeePagesTest::acceptanceFeeChoices_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("halving");
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("fees");

    QTest::newRow("half fee") << "100000" << 1 << 0 << Texts({"1150.00", "25.00", "300.00"});
    QTest::newRow("half fee with fractions") << "12345" << 1 << 0 << Texts({"54.31", "25.00", "50.00"});
    QTest::newRow("words") << "100000" << 0 << 1 << Texts({"二千三百元", "五十元", "六百元"});
    QTest::newRow("words at a million") << "1000000" << 0 << 1
                                        << Texts({"一万三千八百元", "四千零五十元", "五千一百元"});
    QTest::newRow("words of a fee of exactly 108.625") << "12345" << 0 << 1
                                                       << Texts({"一百零八元六角三分", "五十元", "一百元"});
    QTest::newRow("figures of a fee of exactly 1024.175") << "48967" << 0 << 0
                                                          << Texts({"1024.18", "50.00", "100.00"});
    QTest::newRow("words of a fee of exactly 1024.175") << "48967" << 0 << 1
                                                        << Texts({"一千零二十四元一角八分", "五十元", "一百元"});
    QTest::newRow("half fee in words") << "12345" << 1 << 1 << Texts({"五十四元三角一分", "二十五元", "五十元"});
    QTest::newRow("capitals of a fee of exactly 1024.175") << "48967" << 0 << 2
                                                           << Texts({"壹仟零贰拾肆元壹角捌分", "伍拾元整", "壹佰元整"});
}

void FeePagesTest::acceptanceFeeChoices()
{
    QFETCH(QString, amount);
    QFETCH(int, halving);
    QFETCH(int, form);
    QFETCH(QStringList, fees);
    m_fixture->open();
    typeAmount(QStringLiteral("edtBd"), amount);
    const QString fullFeeReading = labelText(QStringLiteral("Label24"));
    chooseWithKeyboard(QStringLiteral("ComboBox1"), halving);
    chooseWithKeyboard(QStringLiteral("ComboBox2"), form);

    QCOMPARE(caption(QStringLiteral("SpeedButton3")), fees[0]);
    QCOMPARE(caption(QStringLiteral("SpeedButton5")), fees[1]);
    QCOMPARE(caption(QStringLiteral("SpeedButton6")), fees[2]);
    QCOMPARE(labelText(QStringLiteral("Label24")), fullFeeReading);  // the reading ignores both choices
    auto *halfFeeMark = m_fixture->control<QLabel>(QStringLiteral("Label26"));
    QCOMPARE(halfFeeMark->isVisible(), halving == 1);
    QCOMPARE(halfFeeMark->text(), QStringLiteral("50%"));

    chooseWithKeyboard(QStringLiteral("ComboBox1"), 0);
    QVERIFY(halfFeeMark->isHidden());
}

void FeePagesTest::feesUseTheStoredBaseAmounts_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("divorce");
    QTest::addColumn<QString>("personalityRights");
    QTest::addColumn<QString>("baseCaption");

    QTest::newRow("upper bounds") << QByteArray("[vrk]\r\nlihun=300\r\nrenge=500\r\n") << "300000" << "800.00"
                                  << "2000.00" << "离婚300元 人格权500元";
    QTest::newRow("edited by hand beyond the range") << QByteArray("[vrk]\r\nlihun=1000\r\n") << "100000"
                                                     << "1000.00" << "600.00" << "离婚1000元 人格权100元";
}

void FeePagesTest::feesUseTheStoredBaseAmounts()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, amount);
    m_fixture->writeFile(QStringLiteral("setjs.rar"), file);
    m_fixture->open();
    typeAmount(QStringLiteral("edtBd"), amount);
    QTEST(caption(QStringLiteral("SpeedButton5")), "divorce");
    QTEST(caption(QStringLiteral("SpeedButton6")), "personalityRights");
    QTEST(caption(QStringLiteral("SpeedButtonjishu")), "baseCaption");
}

void FeePagesTest::applicationFees_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("fees");
    QTest::addColumn<QString>("reading");

    QTest::newRow("one fen") << "0.01" << 0 << Texts({"50.00", "30.00", "16.67"}) << "零元一分";
    QTest::newRow("one fen in words") << "0.01" << 1 << Texts({"五十元", "三十元", "一十六元六角七分"})
                                      << "零元一分";
    QTest::newRow("100000") << "100000" << 0 << Texts({"1400.00", "1020.00", "766.67"}) << "一十万元";
    QTest::newRow("100000 in words") << "100000" << 1
                                     << Texts({"一千四百元", "一千零二十元", "七百六十六元六角七分"})
                                     << "一十万元";
    QTest::newRow("preservation reaches its cap") << "896000" << 0
                                                  << Texts({"11360.00", "5000.00", "4253.33"})
                                                  << "八十九万六千元";
    QTest::newRow("preservation fee of exactly 30.125") << "1012.50" << 0 << Texts({"50.00", "30.13", "16.67"})
                                                        << "一千零一十二元五角";
    QTest::newRow("preservation fee of exactly 30.125 in words")
        << "1012.50" << 1 << Texts({"五十元", "三十元一角三分", "一十六元六角七分"}) << "一千零一十二元五角";
    QTest::newRow("execution fee of exactly 50.015") << "10001" << 0 << Texts({"50.02", "120.01", "16.68"})
                                                     << "一万零一元";
    QTest::newRow("100000 in capitals") << "100000" << 2
                                        << Texts({"壹仟肆佰元整", "壹仟零贰拾元整", "柒佰陆拾陆元陆角柒分"})
                                        << "一十万元";
}

void FeePagesTest::applicationFees()
{
    QFETCH(QString, amount);
    QFETCH(int, form);
    QFETCH(QStringList, fees);
    m_fixture->open();
    showPage(QStringLiteral("TabSheet5"));
    typeAmount(QStringLiteral("Edit7"), amount);  // key by key, "0.01" through "0" and "0."
    chooseWithKeyboard(QStringLiteral("ComboBox3"), form);
    QCOMPARE(caption(QStringLiteral("SpeedButton4")), fees[0]);
    QCOMPARE(caption(QStringLiteral("SpeedButton7")), fees[1]);
    QCOMPARE(caption(QStringLiteral("SpeedButton8")), fees[2]);
    QTEST(labelText(QStringLiteral("Label25")), "reading");
}

// Every choice the user makes recalculates, with the keyboard too; a
// selection set by the program calculates nothing.
void FeePagesTest::choiceRecalculatesOnlyWhenTheUserMakesIt_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("comboBox");
    QTest::addColumn<bool>("withMouse");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("halving by keyboard") << "TabSheet1" << "edtBd" << "ComboBox1" << false << "SpeedButton3"
                                         << "2300.00" << "1150.00";
    QTest::newRow("halving by mouse") << "TabSheet1" << "edtBd" << "ComboBox1" << true << "SpeedButton3"
                                      << "2300.00" << "1150.00";
    QTest::newRow("acceptance words by keyboard") << "TabSheet1" << "edtBd" << "ComboBox2" << false
                                                  << "SpeedButton6" << "600.00" << "六百元";
    QTest::newRow("acceptance words by mouse") << "TabSheet1" << "edtBd" << "ComboBox2" << true << "SpeedButton6"
                                               << "600.00" << "六百元";
    QTest::newRow("application words by keyboard") << "TabSheet5" << "Edit7" << "ComboBox3" << false
                                                    << "SpeedButton4" << "1400.00" << "一千四百元";
    QTest::newRow("application words by mouse") << "TabSheet5" << "Edit7" << "ComboBox3" << true
                                                << "SpeedButton4" << "1400.00" << "一千四百元";
}

void FeePagesTest::choiceRecalculatesOnlyWhenTheUserMakesIt()
{
    QFETCH(QString, page);
    QFETCH(QString, field);
    QFETCH(QString, comboBox);
    QFETCH(bool, withMouse);
    QFETCH(QString, button);
    m_fixture->open();
    showPage(page);
    typeAmount(field, QStringLiteral("100000"));
    QTEST(caption(button), "before");

    auto *box = m_fixture->control<QComboBox>(comboBox);
    box->setCurrentIndex(1);
    QTEST(caption(button), "before");
    box->setCurrentIndex(0);

    if (withMouse)
        chooseWithMouse(comboBox, 1);
    else
        chooseWithKeyboard(comboBox, 1);
    QTEST(caption(button), "after");
    QCOMPARE(QApplication::focusWidget(), m_fixture->control<QWidget>(field));
}

void FeePagesTest::rejectedAmountEmptiesTheField_data()
{
    // Typing on cannot make any of these an amount above zero.
    AddAmountFieldRows(Texts({"abc", "1,000", "1.2.", "-5", "-", "-0", "0e", "0e5", "0 "}));
}

// The text arrives whole (as pasted), so that "-5" is judged as one amount.
void FeePagesTest::rejectedAmountEmptiesTheField()
{
    QFETCH(QString, page);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QStringList, comboBoxes);
    QFETCH(QString, button);
    QFETCH(QString, reading);
    m_fixture->open();
    showPage(page);
    typeAmount(field, QStringLiteral("100000"));
    const QString resultBefore = caption(button);
    const QString readingBefore = labelText(reading);

    pasteAmount(field, text);

    auto *edit = m_fixture->control<QLineEdit>(field);
    QCOMPARE(edit->text(), QString());
    for (const QString &name : comboBoxes)
        QVERIFY(!m_fixture->control<QComboBox>(name)->isEnabled());
    QCOMPARE(caption(button), resultBefore);
    QCOMPARE(labelText(reading), readingBefore);
    QVERIFY(m_fixture->boxes.boxes.isEmpty());
}

// An entry that typing on can still make an amount above zero: the text
// stays, and so do the results, the reading and the drop-downs.
void FeePagesTest::unfinishedAmountKeepsTheResults_data()
{
    AddAmountFieldRows(Texts({"0", "0.", "0.0", ".", "+", "+0", " "}));
}

void FeePagesTest::unfinishedAmountKeepsTheResults()
{
    QFETCH(QString, page);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QStringList, comboBoxes);
    QFETCH(QString, button);
    QFETCH(QString, reading);
    m_fixture->open();
    showPage(page);
    typeAmount(field, QStringLiteral("100000"));
    const QString resultBefore = caption(button);
    const QString readingBefore = labelText(reading);

    typeAmount(field, text);

    for (const QString &name : comboBoxes)
        QVERIFY(m_fixture->control<QComboBox>(name)->isEnabled());
    QCOMPARE(caption(button), resultBefore);
    QCOMPARE(labelText(reading), readingBefore);
    QVERIFY(m_fixture->boxes.boxes.isEmpty());
}

void FeePagesTest::enterEmptiesTheFieldAndKeepsTheResults_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("comboBoxes");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QString>("reading");

    QTest::newRow("acceptance fee") << "TabSheet1" << "edtBd" << Texts({"ComboBox1", "ComboBox2"})
                                    << Texts({"SpeedButton3", "SpeedButton5", "SpeedButton6"}) << "Label24";
    QTest::newRow("application fee") << "TabSheet5" << "Edit7" << Texts({"ComboBox3"})
                                     << Texts({"SpeedButton4", "SpeedButton7", "SpeedButton8"}) << "Label25";
}

void FeePagesTest::enterEmptiesTheFieldAndKeepsTheResults()
{
    QFETCH(QString, page);
    QFETCH(QString, field);
    QFETCH(QStringList, comboBoxes);
    QFETCH(QStringList, results);
    QFETCH(QString, reading);
    m_fixture->open();
    showPage(page);
    typeAmount(field, QStringLiteral("100000"));
    QStringList captionsBefore;
    for (const QString &name : results)
        captionsBefore << caption(name);
    QVERIFY(!captionsBefore.contains(QString()));
    const QString readingBefore = labelText(reading);

    auto *edit = m_fixture->control<QLineEdit>(field);
    QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(edit->text(), QString());
    QCOMPARE(QApplication::focusWidget(), edit);
    for (const QString &name : comboBoxes)
        QVERIFY(!m_fixture->control<QComboBox>(name)->isEnabled());
    for (int i = 0; i < results.size(); ++i)
        QCOMPARE(caption(results[i]), captionsBefore[i]);
    QCOMPARE(labelText(reading), readingBefore);

    QTest::keyClicks(edit, QStringLiteral("1"));
    for (const QString &name : comboBoxes)
        QVERIFY(m_fixture->control<QComboBox>(name)->isEnabled());
}

// Tabbing back into the amount field puts the cursor after the text, so the
// next key adds to the amount instead of replacing it.
void FeePagesTest::keyboardFocusLeavesTheTextUnselected()
{
    m_fixture->open();
    auto *edit = m_fixture->control<QLineEdit>(QStringLiteral("edtBd"));
    typeAmount(QStringLiteral("edtBd"), QStringLiteral("1000"));
    m_fixture->control<QComboBox>(QStringLiteral("ComboBox1"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), edit);
    QVERIFY(!edit->hasSelectedText());
    QTest::keyClick(edit, Qt::Key_0);
    QCOMPARE(edit->text(), QStringLiteral("10000"));
}

// ---- Result buttons ----

void FeePagesTest::clickCopiesTheCaption_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("formBox");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("copied");

    QTest::newRow("divorce fee in figures") << "TabSheet1" << "edtBd" << "300000" << "ComboBox2" << 0
                                            << "SpeedButton5" << "550.00";
    QTest::newRow("property fee in words") << "TabSheet1" << "edtBd" << "100000" << "ComboBox2" << 1
                                           << "SpeedButton3" << "二千三百元";
    QTest::newRow("personality-rights fee") << "TabSheet1" << "edtBd" << "100000" << "ComboBox2" << 0
                                            << "SpeedButton6" << "600.00";
    QTest::newRow("execution fee") << "TabSheet5" << "Edit7" << "100000" << "ComboBox3" << 0 << "SpeedButton4"
                                   << "1400.00";
    QTest::newRow("preservation fee in words") << "TabSheet5" << "Edit7" << "100000" << "ComboBox3" << 1
                                               << "SpeedButton7" << "一千零二十元";
    QTest::newRow("payment-order fee") << "TabSheet5" << "Edit7" << "100000" << "ComboBox3" << 0 << "SpeedButton8"
                                       << "766.67";
}

void FeePagesTest::clickCopiesTheCaption()
{
    QFETCH(QString, page);
    QFETCH(QString, field);
    QFETCH(QString, amount);
    QFETCH(QString, formBox);
    QFETCH(int, form);
    QFETCH(QString, button);
    QFETCH(QString, copied);
    m_fixture->open();
    showPage(page);
    typeAmount(field, amount);
    chooseWithKeyboard(formBox, form);
    auto *edit = m_fixture->control<QLineEdit>(field);
    edit->setFocus();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("something else"));

    auto *resultButton = m_fixture->control<ResultButton>(button);
    QTest::mouseClick(resultButton, Qt::LeftButton);
    QCOMPARE(clipboard->text(), copied);
    QCOMPARE(resultButton->text(), copied);
    QCOMPARE(QApplication::focusWidget(), edit);

    clipboard->setText(QStringLiteral("something else"));
    QTest::mouseClick(resultButton, Qt::LeftButton);
    QCOMPARE(clipboard->text(), copied);
    QVERIFY(m_fixture->boxes.boxes.isEmpty());

    QTest::keyClicks(edit, QStringLiteral("0"));  // typing goes on in the field
    QCOMPARE(edit->text(), amount + QLatin1Char('0'));
}

void FeePagesTest::pointerColoursTheRow_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("rowLabels");
    QTest::addColumn<QStringList>("otherLabels");

    const QStringList acceptance = Texts({"label", "Label6", "Label7", "Label4", "Label33"});
    const QStringList application = Texts({"Label18", "Label20", "Label21"});
    const auto others = [](QStringList all, const QStringList &row) {
        for (const QString &label : row)
            all.removeAll(label);
        return all;
    };
    const QList<std::pair<const char *, QStringList>> acceptanceRows{{"SpeedButton3", Texts({"label"})},
                                                                     {"SpeedButton5", Texts({"Label6", "Label7"})},
                                                                     {"SpeedButton6", Texts({"Label4", "Label33"})}};
    for (const auto &[button, labels] : acceptanceRows)
        QTest::newRow(button) << "TabSheet1" << QString::fromLatin1(button) << labels << others(acceptance, labels);
    const QList<std::pair<const char *, QStringList>> applicationRows{{"SpeedButton4", Texts({"Label18"})},
                                                                      {"SpeedButton7", Texts({"Label20"})},
                                                                      {"SpeedButton8", Texts({"Label21"})}};
    for (const auto &[button, labels] : applicationRows)
        QTest::newRow(button) << "TabSheet5" << QString::fromLatin1(button) << labels << others(application, labels);
}

void FeePagesTest::pointerColoursTheRow()
{
    QFETCH(QString, page);
    QFETCH(QString, button);
    QFETCH(QStringList, rowLabels);
    QFETCH(QStringList, otherLabels);
    m_fixture->open();
    showPage(page);
    const auto coloursOf = [this](const QStringList &labels) {
        QList<QColor> colours;
        for (const QString &name : labels)
            colours << TextColour(m_fixture->control<QLabel>(name));
        return colours;
    };
    const QList<QColor> allBlack(rowLabels.size(), Black);
    const QList<QColor> othersBlack(otherLabels.size(), Black);
    QCOMPARE(coloursOf(rowLabels), allBlack);

    auto *resultButton = m_fixture->control<ResultButton>(button);
    QTest::mouseMove(resultButton);
    QTRY_COMPARE(coloursOf(rowLabels), QList<QColor>(rowLabels.size(), Red));
    QCOMPARE(coloursOf(otherLabels), othersBlack);

    QTest::mouseMove(m_fixture->window.get(), QPoint(5, 5));
    QTRY_COMPARE(coloursOf(rowLabels), allBlack);
    QCOMPARE(coloursOf(otherLabels), othersBlack);
}

void FeePagesTest::pointerMovesStraightToTheNextRow()
{
    m_fixture->open();
    auto *divorceButton = m_fixture->control<ResultButton>(QStringLiteral("SpeedButton5"));
    auto *personalityButton = m_fixture->control<ResultButton>(QStringLiteral("SpeedButton6"));
    QTest::mouseMove(divorceButton);
    QTRY_COMPARE(TextColour(m_fixture->control<QLabel>(QStringLiteral("Label7"))), Red);

    QTest::mouseMove(personalityButton);
    QTRY_COMPARE(TextColour(m_fixture->control<QLabel>(QStringLiteral("Label33"))), Red);
    QCOMPARE(TextColour(m_fixture->control<QLabel>(QStringLiteral("Label4"))), Red);
    QCOMPARE(TextColour(m_fixture->control<QLabel>(QStringLiteral("Label6"))), Black);
    QCOMPARE(TextColour(m_fixture->control<QLabel>(QStringLiteral("Label7"))), Black);
}

// ---- The base-amount dialog, opened from the page ----

void FeePagesTest::savedBaseAmountsShowAtOnceAndCountFromTheNextCalculation()
{
    m_fixture->open();
    typeAmount(QStringLiteral("edtBd"), QStringLiteral("300000"));
    QCOMPARE(caption(QStringLiteral("SpeedButton5")), QStringLiteral("550.00"));

    QString divorceShown, personalityShown;
    openBaseAmountDialog([&](TForm2 *dialog) {
        auto *divorce = dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"));
        auto *personality = dialog->findChild<QLineEdit *>(QStringLiteral("Edit2"));
        divorceShown = divorce->text();
        personalityShown = personality->text();
        divorce->selectAll();
        QTest::keyClicks(divorce, QStringLiteral("60"));
        personality->selectAll();
        QTest::keyClicks(personality, QStringLiteral("200"));
        QTest::mouseClick(dialog->findChild<QToolButton *>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
    });
    QCOMPARE(divorceShown, QStringLiteral("50"));
    QCOMPARE(personalityShown, QStringLiteral("100"));
    QCOMPARE(caption(QStringLiteral("SpeedButtonjishu")), QStringLiteral("离婚60元 人格权200元"));
    const BaseAmounts stored = ReadBaseAmounts(m_fixture->filePath(QStringLiteral("setjs.rar")));
    QCOMPARE(stored.divorce, 60);
    QCOMPARE(stored.personalityRights, 200);
    QCOMPARE(caption(QStringLiteral("SpeedButton5")), QStringLiteral("550.00"));  // not recomputed

    typeAmount(QStringLiteral("edtBd"), QStringLiteral("300000"));
    QCOMPARE(caption(QStringLiteral("SpeedButton5")), QStringLiteral("560.00"));
    QCOMPARE(caption(QStringLiteral("SpeedButton6")), QStringLiteral("1700.00"));

    // The next opening shows what the file holds.
    openBaseAmountDialog([&](TForm2 *dialog) {
        divorceShown = dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text();
        personalityShown = dialog->findChild<QLineEdit *>(QStringLiteral("Edit2"))->text();
    });
    QCOMPARE(divorceShown, QStringLiteral("60"));
    QCOMPARE(personalityShown, QStringLiteral("200"));
}

void FeePagesTest::backLeavesEverythingAsItWas()
{
    m_fixture->open();
    const QString captionBefore = caption(QStringLiteral("SpeedButtonjishu"));
    openBaseAmountDialog([](TForm2 *dialog) {
        auto *divorce = dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"));
        divorce->selectAll();
        QTest::keyClicks(divorce, QStringLiteral("70"));
        QTest::mouseClick(dialog->findChild<QToolButton *>(QStringLiteral("SpeedButton2")), Qt::LeftButton);
    });
    QCOMPARE(caption(QStringLiteral("SpeedButtonjishu")), captionBefore);
    QVERIFY(!QFile::exists(m_fixture->filePath(QStringLiteral("setjs.rar"))));

    QString divorceShown;
    openBaseAmountDialog([&](TForm2 *dialog) {
        divorceShown = dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text();
    });
    QCOMPARE(divorceShown, QStringLiteral("50"));
}

// ---- Speed ----

// One keystroke in the amount field: the change, the base amounts read from
// the file, three fees, the reading and the captions. Each round is two keys.
void FeePagesTest::oneKeystroke()
{
    m_fixture->open();
    auto *edit = m_fixture->control<QLineEdit>(QStringLiteral("edtBd"));
    QTest::keyClicks(edit, QStringLiteral("10000"));
    QBENCHMARK {
        QTest::keyClick(edit, Qt::Key_5);
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    QCOMPARE(edit->text(), QStringLiteral("10000"));
    QCOMPARE(caption(QStringLiteral("SpeedButton3")), QStringLiteral("50.00"));
    QCOMPARE(labelText(QStringLiteral("Label24")), QStringLiteral("一万元"));
}

// Built alone, a fee page reads setjs.rar through its settings files, copies
// through the clipboard it is given and owns the base-amount dialog.
void FeePagesTest::acceptancePageAlone()
{
    PageFixture<AcceptanceFeePage> fixture;
    fixture.writeFile(QStringLiteral("setjs.rar"), QByteArrayLiteral("[vrk]\r\nlihun=60\r\nrenge=200\r\n"));
    AcceptanceFeePage &page = fixture.open();
    page.showAtFirstActivation();
    QCOMPARE(fixture.control<QToolButton>(QStringLiteral("SpeedButtonjishu"))->text(),
             QStringLiteral("离婚60元 人格权200元"));
    QCOMPARE(QApplication::focusWidget(), fixture.control<QWidget>(QStringLiteral("edtBd")));
    QCOMPARE(page.baseAmountDialog()->parentWidget(), &page);

    QTest::keyClicks(fixture.control<QLineEdit>(QStringLiteral("edtBd")), QStringLiteral("300000"));
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    QTest::mouseClick(fixture.control<ResultButton>(QStringLiteral("SpeedButton5")), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("560.00"));
}

void FeePagesTest::applicationPageAlone()
{
    PageFixture<ApplicationFeePage> fixture;
    fixture.open();
    QTest::keyClicks(fixture.control<QLineEdit>(QStringLiteral("Edit7")), QStringLiteral("100000"));
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    QTest::mouseClick(fixture.control<ResultButton>(QStringLiteral("SpeedButton8")), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("766.67"));
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

QTEST_MAIN(FeePagesTest)
#include "tst_fee_pages.moc"
