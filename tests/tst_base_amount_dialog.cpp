// The base-amount dialog on its own: the range checks and their messages,
// the integer notations it accepts, the save into setjs.rar, "返回", and a
// save that cannot be written.

#include "app/dialogs/base_amount_dialog.h"
#include "fees/base_amounts.h"
#include "gui_harness.h"

#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

const QString ConversionMessage = QStringLiteral("出错，请确认输入的是小写数字。操作被退回。");
const QString DivorceMessage = QStringLiteral("离婚案件收费基数设定高于或低于法定数，操作被退回。");
const QString PersonalityRightsMessage = QStringLiteral("人格权侵权案件收费基数设定高于或停低于法定数，操作被退回。");

} // namespace

class BaseAmountDialogTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void save_data();
    void save();
    void blankFieldDoesNothing_data();
    void blankFieldDoesNothing();
    void backSavesNothing();
    void failedSaveKeepsTheDialogOpen();

private:
    // Shows the dialog without blocking (the program opens it with exec()),
    // types both fields as a user does and presses one of its two buttons.
    void enterAndPress(const QString &divorce, const QString &personalityRights, const QString &button);
    QLineEdit *field(const QString &name) const { return m_dialog->findChild<QLineEdit *>(name); }
    QString settingsPath() const { return m_folder.filePath(QStringLiteral("setjs.rar")); }

    QTemporaryDir m_folder;
    RecordingMessageBoxes m_boxes;
    std::unique_ptr<TForm2> m_dialog;
};

void BaseAmountDialogTest::init()
{
    static const bool fonts = (InstallFontSubstitutions(), true);
    Q_UNUSED(fonts);
    QVERIFY(m_folder.isValid());
    QFile::remove(settingsPath());
    m_boxes.boxes.clear();
    m_dialog = std::make_unique<TForm2>(settingsPath(), &m_boxes);
}

void BaseAmountDialogTest::cleanup()
{
    m_dialog.reset();
}

void BaseAmountDialogTest::enterAndPress(const QString &divorce, const QString &personalityRights,
                                         const QString &button)
{
    m_dialog->setBaseAmounts(50, 100);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    for (const auto &[name, text] : {std::pair{QStringLiteral("Edit1"), divorce},
                                     std::pair{QStringLiteral("Edit2"), personalityRights}}) {
        QLineEdit *edit = field(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(edit, c.toLatin1());
            else  // keys QTest cannot name, such as full-width digits, arrive as text
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    QTest::mouseClick(m_dialog->findChild<QToolButton *>(button), Qt::LeftButton);
}

void BaseAmountDialogTest::save_data()
{
    QTest::addColumn<QString>("divorce");
    QTest::addColumn<QString>("personalityRights");
    QTest::addColumn<QString>("message");  // empty: saved

    QTest::newRow("upper bounds included") << "300" << "500" << QString();
    QTest::newRow("lower bounds included") << "50" << "100" << QString();
    QTest::newRow("divorce above the range") << "301" << "500" << DivorceMessage;
    QTest::newRow("divorce below the range") << "49" << "100" << DivorceMessage;
    QTest::newRow("personality rights above the range") << "300" << "501" << PersonalityRightsMessage;
    QTest::newRow("personality rights below the range") << "300" << "99" << PersonalityRightsMessage;
    QTest::newRow("both out of range: only the divorce message") << "20" << "20" << DivorceMessage;
    QTest::newRow("letters in the divorce field") << "abc" << "100" << ConversionMessage;
    QTest::newRow("letters in the personality-rights field") << "60" << "abc" << ConversionMessage;
    QTest::newRow("a decimal") << "60.5" << "100" << ConversionMessage;
    QTest::newRow("conversion checked before the ranges") << "20" << "x" << ConversionMessage;
    QTest::newRow("explicit plus sign") << "+60" << "200" << QString();
    QTest::newRow("negative amount converts, then fails the range") << "-60" << "200" << DivorceMessage;
    QTest::newRow("blanks around the digits") << " 60 " << "200" << QString();
    QTest::newRow("leading zeros") << "060" << "0200" << QString();
    QTest::newRow("lone sign") << "+" << "200" << ConversionMessage;
    QTest::newRow("sign apart from the digits") << "- 60" << "200" << ConversionMessage;
    QTest::newRow("hexadecimal") << "0x3C" << "200" << ConversionMessage;
    QTest::newRow("Pascal hexadecimal") << "$3C" << "200" << ConversionMessage;
    QTest::newRow("exponent") << "6e1" << "200" << ConversionMessage;
    QTest::newRow("thousands separator") << "60" << "1,00" << ConversionMessage;
    QTest::newRow("full-width digits") << "６０" << "200" << ConversionMessage;
    QTest::newRow("beyond 32 bits") << "99999999999" << "200" << ConversionMessage;
    QTest::newRow("blank inside the digits") << "6 0" << "200" << ConversionMessage;
    QTest::newRow("full-width blank is no blank") << QStringLiteral("\u3000") << "200" << ConversionMessage;
}

void BaseAmountDialogTest::save()
{
    QFETCH(QString, divorce);
    QFETCH(QString, personalityRights);
    QFETCH(QString, message);
    QSignalSpy saved(m_dialog.get(), &TForm2::baseAmountsSaved);

    enterAndPress(divorce, personalityRights, QStringLiteral("SpeedButton1"));

    if (message.isEmpty()) {
        QVERIFY(m_boxes.boxes.isEmpty());
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved[0][0].toString(), divorce);  // the caption gets the texts as typed
        QCOMPARE(saved[0][1].toString(), personalityRights);
        const BaseAmounts stored = ReadBaseAmounts(settingsPath());
        QCOMPARE(stored.divorce, divorce.trimmed().toInt());
        QCOMPARE(stored.personalityRights, personalityRights.trimmed().toInt());
        return;
    }
    QCOMPARE(m_boxes.boxes.size(), 1);
    const RecordedBox &box = m_boxes.boxes.first();
    QCOMPARE(box.text, message);
    QCOMPARE(box.caption, QStringLiteral("Pellumo"));
    QCOMPARE(box.icon, MessageBoxes::Icon::None);
    QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(field(QStringLiteral("Edit1"))->text(), divorce);
    QCOMPARE(field(QStringLiteral("Edit2"))->text(), personalityRights);
    QCOMPARE(saved.size(), 0);
    QVERIFY(!QFile::exists(settingsPath()));
}

void BaseAmountDialogTest::blankFieldDoesNothing_data()
{
    QTest::addColumn<QString>("divorce");
    QTest::addColumn<QString>("personalityRights");

    QTest::newRow("divorce empty") << "" << "200";
    QTest::newRow("personality rights empty") << "60" << "";
    QTest::newRow("divorce blanks only") << "   " << "200";
    QTest::newRow("personality rights blanks only") << "60" << " ";
    QTest::newRow("empty beside a bad value") << "" << "abc";
}

void BaseAmountDialogTest::blankFieldDoesNothing()
{
    QFETCH(QString, divorce);
    QFETCH(QString, personalityRights);
    QSignalSpy saved(m_dialog.get(), &TForm2::baseAmountsSaved);
    enterAndPress(divorce, personalityRights, QStringLiteral("SpeedButton1"));
    QVERIFY(m_boxes.boxes.isEmpty());
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(saved.size(), 0);
    QVERIFY(!QFile::exists(settingsPath()));
}

void BaseAmountDialogTest::backSavesNothing()
{
    QSignalSpy saved(m_dialog.get(), &TForm2::baseAmountsSaved);
    enterAndPress(QStringLiteral("60"), QStringLiteral("200"), QStringLiteral("SpeedButton2"));
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(saved.size(), 0);
    QVERIFY(m_boxes.boxes.isEmpty());
    QVERIFY(!QFile::exists(settingsPath()));
}

// The program folder has gone away: the file cannot be written. The user is
// told so and keeps the dialog with the values typed, to try again.
void BaseAmountDialogTest::failedSaveKeepsTheDialogOpen()
{
    const QString unreachable = m_folder.filePath(QStringLiteral("gone/setjs.rar"));
    m_dialog = std::make_unique<TForm2>(unreachable, &m_boxes);
    QSignalSpy saved(m_dialog.get(), &TForm2::baseAmountsSaved);

    enterAndPress(QStringLiteral("60"), QStringLiteral("200"), QStringLiteral("SpeedButton1"));

    QCOMPARE(m_boxes.boxes.size(), 1);
    QCOMPARE(m_boxes.boxes.first().text, QStringLiteral("无法保存设置文件“%1”：路径不存在（文件夹“%2”不存在）。")
                                             .arg(QDir::toNativeSeparators(unreachable),
                                                  QDir::toNativeSeparators(m_folder.filePath(QStringLiteral("gone")))));
    QCOMPARE(m_boxes.boxes.first().caption, QStringLiteral("Pellumo"));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(field(QStringLiteral("Edit1"))->text(), QStringLiteral("60"));
    QCOMPARE(field(QStringLiteral("Edit2"))->text(), QStringLiteral("200"));
    QCOMPARE(saved.size(), 0);
    QVERIFY(!QFile::exists(unreachable));
}

QTEST_MAIN(BaseAmountDialogTest)
#include "tst_base_amount_dialog.moc"
