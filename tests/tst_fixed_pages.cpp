// The pages without a calculation ("新办法", "关于", the status bar), the
// pictures of the program and the clicks that hand a target to the shell.

#include "gui_harness.h"
#include "test_files.h"

#include "app/services/site_address.h"
#include "app/services/system_shell_launcher.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

QString ResourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

QStringList ReferenceLines()
{
    return ResourceText(QStringLiteral(":/texts/reference_text.txt")).split(QLatin1Char('\n'));
}

// The reference text with its line breaks taken out, so that a clause can be
// found whatever the line it was broken at.
QString ReferenceRunningText()
{
    return ReferenceLines().join(QString());
}

// "第一条" ... "第五十六条": the article numbers as the regulation writes them.
QString ArticleNumber(int n)
{
    static const QString digits = QStringLiteral("〇一二三四五六七八九");
    QString number;
    if (n >= 10) {
        if (n / 10 > 1)
            number += digits[n / 10];
        number += QStringLiteral("十");
    }
    if (n % 10 || n < 10)
        number += digits[n % 10];
    return QStringLiteral("第") + number + QStringLiteral("条");
}

// Makes a file that the PATH lookup takes for a program.
void WriteExecutable(const QString &path, const QByteArray &script = "#!/bin/sh\n")
{
    if (!WriteBytes(path, script))
        qFatal("cannot write %s", qPrintable(path));
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

// Sets PATH for one test and puts the old one back afterwards.
class PathOverride
{
public:
    explicit PathOverride(const QString &path) : m_old(qgetenv("PATH"))
    {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~PathOverride() { qputenv("PATH", m_old); }

private:
    QByteArray m_old;
};

}  // namespace

class FixedPagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void picturesDecode_data();
    void picturesDecode();

    void referenceIndexAndRuleLines();
    void referenceHeadingsInOrder_data();
    void referenceHeadingsInOrder();
    void everyArticleOnceInOrder();
    void publishedFeeSchedules_data();
    void publishedFeeSchedules();
    void referencePageShowsTheText();

    void controlsWhereTheWindowPutsThem_data();
    void controlsWhereTheWindowPutsThem();
    void aboutPageContent();
    void statusBarContent();

    void clicksOpenTheSite_data();
    void clicksOpenTheSite();
    void bannerWithoutItsBrowserModule();
    void siteLinkReadsItsAddressAtTheClick();
    void calculatorIcons_data();
    void calculatorIcons();
    void systemShellStartsAProgramByItsPath();
};

void FixedPagesTest::initTestCase()
{
    QVERIFY(QImageReader::supportedImageFormats().contains("jpeg"));
}

void FixedPagesTest::picturesDecode_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    QTest::newRow("static banner") << QStringLiteral(":/pictures/banner.jpg") << QSize(499, 80);
    QTest::newRow("calculator icon") << QStringLiteral(":/pictures/calculator.jpg") << QSize(32, 32);
    QTest::newRow("result caption of the date page")
        << QStringLiteral(":/pictures/result_caption.jpg") << QSize(57, 152);
    QTest::newRow("about page picture") << QStringLiteral(":/pictures/about_portrait.jpg") << QSize(76, 115);
    QTest::newRow("maker's site banner")
        << QStringLiteral(":/pictures/about_site_banner.jpg") << QSize(217, 65);
    QTest::newRow("window icon") << QStringLiteral(":/pictures/app_icon.png") << QSize(32, 32);
}

void FixedPagesTest::picturesDecode()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImageReader reader(path);
    QCOMPARE(reader.format(), path.endsWith(QLatin1String(".jpg")) ? QByteArray("jpeg") : QByteArray("png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void FixedPagesTest::referenceIndexAndRuleLines()
{
    const QStringList lines = ReferenceLines();
    QCOMPARE(lines.value(0), QStringLiteral("１、国务院《诉讼费用交纳办法》"));
    QCOMPARE(lines.value(1), QStringLiteral("２、最高人民法院关于适用《诉讼费用交纳办法》的通知 "));
    QCOMPARE(lines.value(2), QString(21, QChar(0xFF0D)) + QLatin1Char(' '));

    const QString equalsRule(29, QChar(0xFF1D));
    QCOMPARE(lines.count(equalsRule), 1);
    const qsizetype rule = lines.indexOf(equalsRule);
    QCOMPARE(lines.value(rule - 2), QString());
    QCOMPARE(lines.value(rule - 1), QString());
    QVERIFY(lines.value(rule - 3).startsWith(QStringLiteral("　　第五十六条　本办法自2007年4月1日起施行。")));
}

void FixedPagesTest::referenceHeadingsInOrder_data()
{
    QTest::addColumn<QStringList>("headings");

    QTest::newRow("the regulation") << QStringList{
        QStringLiteral("１、诉讼费用交纳办法"), QStringLiteral("(国务院令第481号)"),
        QStringLiteral("二○○六年十二月十九日"), QStringLiteral("诉讼费用交纳办法")};
    QTest::newRow("its eight chapters") << QStringList{QStringLiteral("第一章　总则"),
                                                       QStringLiteral("第二章　诉讼费用交纳范围"),
                                                       QStringLiteral("第三章　诉讼费用交纳标准"),
                                                       QStringLiteral("第四章　诉讼费用的交纳和退还"),
                                                       QStringLiteral("第五章　诉讼费用的负担"),
                                                       QStringLiteral("第六章　司法救助"),
                                                       QStringLiteral("第七章　诉讼费用的管理和监督"),
                                                       QStringLiteral("第八章　附则")};
    QTest::newRow("the notice and its six sections")
        << QStringList{QStringLiteral("２、最高人民法院关于适用《诉讼费用交纳办法》的通知  "),
                       QStringLiteral("    一、关于《办法》实施后的收费衔接"),
                       QStringLiteral("    二、关于当事人未按照规定交纳案件受理费或者申请费的后果"),
                       QStringLiteral("    三、关于诉讼费用的负担"),
                       QStringLiteral("    四、关于执行申请费和破产申请费的收取"),
                       QStringLiteral("    五、关于司法救助的申请和批准程序"),
                       QStringLiteral("    六、关于各省、自治区、直辖市案件受理费和申请费的具体交纳标准"),
                       QStringLiteral("最高人民法院"),
                       QStringLiteral("二○○七年四月二十日")};
}

// Each heading is a whole line (the court's name and the date only after the
// blanks that push them to the right), in the given order.
void FixedPagesTest::referenceHeadingsInOrder()
{
    QFETCH(QStringList, headings);
    const QStringList lines = ReferenceLines();
    qsizetype from = 0;
    for (const QString &heading : headings) {
        qsizetype found = -1;
        for (qsizetype i = from; i < lines.size() && found < 0; ++i) {
            const bool rightAligned = lines[i].startsWith(QStringLiteral("          "));
            if (lines[i] == heading || (rightAligned && lines[i].trimmed() == heading))
                found = i;
        }
        QVERIFY2(found >= 0, qPrintable(QStringLiteral("missing or out of order: ") + heading));
        from = found + 1;
    }
}

void FixedPagesTest::everyArticleOnceInOrder()
{
    const QStringList lines = ReferenceLines();
    const QRegularExpression articleStart(QStringLiteral("^　　第[一二三四五六七八九十]+条　"));
    QStringList articles;
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = articleStart.match(line);
        if (match.hasMatch())
            articles.append(match.captured().mid(2).chopped(1));
    }
    QStringList expected;
    for (int n = 1; n <= 56; ++n)
        expected.append(ArticleNumber(n));
    QCOMPARE(articles, expected);
}

void FixedPagesTest::publishedFeeSchedules_data()
{
    QTest::addColumn<QString>("clause");

    // 第十三条: case acceptance fees.
    QTest::newRow("13 (1) 1") << QStringLiteral("1．不超过1万元的，每件交纳50元；");
    QTest::newRow("13 (1) 2") << QStringLiteral("2．超过1万元至10万元的部分，按照2.5%交纳；");
    QTest::newRow("13 (1) 3") << QStringLiteral("3．超过10万元至20万元的部分，按照2%交纳；");
    QTest::newRow("13 (1) 4") << QStringLiteral("4．超过20万元至50万元的部分，按照1.5%交纳；");
    QTest::newRow("13 (1) 5") << QStringLiteral("5．超过50万元至100万元的部分，按照1%交纳；");
    QTest::newRow("13 (1) 6") << QStringLiteral("6．超过100万元至200万元的部分，按照0.9%交纳；");
    QTest::newRow("13 (1) 7") << QStringLiteral("7．超过200万元至500万元的部分，按照0.8%交纳；");
    QTest::newRow("13 (1) 8") << QStringLiteral("8．超过500万元至1000万元的部分，按照0.7%交纳；");
    QTest::newRow("13 (1) 9") << QStringLiteral("9．超过1000万元至2000万元的部分，按照0.6%交纳；");
    QTest::newRow("13 (1) 10") << QStringLiteral("10．超过2000万元的部分，按照0.5%交纳。");
    QTest::newRow("13 (2) divorce") << QStringLiteral(
        "1．离婚案件每件交纳50元至300元。涉及财产分割，财产总额不超过20万元的，不另行交纳；"
        "超过20万元的部分，按照0.5%交纳。");
    QTest::newRow("13 (2) personality rights")
        << QStringLiteral("每件交纳100元至500元。涉及损害赔偿，赔偿金额不超过5万元的，不另行交纳；"
                          "超过5万元至10万元的部分，按照1%交纳；超过10万元的部分，按照0.5%交纳。");
    QTest::newRow("13 (2) other") << QStringLiteral("3．其他非财产案件每件交纳50元至100元。");
    QTest::newRow("13 (3)") << QStringLiteral("没有争议金额或者价额的，每件交纳500元至1000元；");
    QTest::newRow("13 (4)") << QStringLiteral("（四）劳动争议案件每件交纳10元。");
    QTest::newRow("13 (5) 1") << QStringLiteral("1．商标、专利、海事行政案件每件交纳100元；");
    QTest::newRow("13 (5) 2") << QStringLiteral("2．其他行政案件每件交纳50元。");
    QTest::newRow("13 (6)") << QStringLiteral("异议不成立的，每件交纳50元至100元。");
    // 第十四条: application fees.
    QTest::newRow("14 (1) 1") << QStringLiteral("1．没有执行金额或者价额的，每件交纳50元至500元。");
    QTest::newRow("14 (1) 2") << QStringLiteral(
        "2．执行金额或者价额不超过1万元的，每件交纳50元；超过1万元至50万元的部分，按照1.5%交纳；"
        "超过50万元至500万元的部分，按照1%交纳；超过500万元至1000万元的部分，按照0.5%交纳；"
        "超过1000万元的部分，按照0.1%交纳。");
    QTest::newRow("14 (2)") << QStringLiteral(
        "财产数额不超过1000元或者不涉及财产数额的，每件交纳30元；超过1000元至10万元的部分，"
        "按照1%交纳；超过10万元的部分，按照0.5%交纳。但是，当事人申请保全措施交纳的费用最多不超过5000元。");
    QTest::newRow("14 (3)") << QStringLiteral("（三）依法申请支付令的，比照财产案件受理费标准的1/3交纳。");
    QTest::newRow("14 (4)") << QStringLiteral("（四）依法申请公示催告的，每件交纳100元。");
    QTest::newRow("14 (5)") << QStringLiteral("认定仲裁协议效力的，每件交纳400元。");
    QTest::newRow("14 (6)") << QStringLiteral("按照财产案件受理费标准减半交纳，但是，最高不超过30万元。");
    QTest::newRow("14 (7) 1") << QStringLiteral("1．申请设立海事赔偿责任限制基金的，每件交纳1000元至1万元；");
    QTest::newRow("14 (7) 2") << QStringLiteral("2．申请海事强制令的，每件交纳1000元至5000元；");
    QTest::newRow("14 (7) 3") << QStringLiteral("3．申请船舶优先权催告的，每件交纳1000元至5000元；");
    QTest::newRow("14 (7) 4") << QStringLiteral("4．申请海事债权登记的，每件交纳1000元；");
    QTest::newRow("14 (7) 5") << QStringLiteral("5．申请共同海损理算的，每件交纳1000元。");
}

void FixedPagesTest::publishedFeeSchedules()
{
    QFETCH(QString, clause);
    QCOMPARE(ReferenceRunningText().count(clause), 1);
}

void FixedPagesTest::referencePageShowsTheText()
{
    WindowFixture fixture;
    fixture.open();
    fixture.control<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(6);
    auto *text = fixture.control<QPlainTextEdit>(QStringLiteral("RichEdit1"));
    QWidget *page = fixture.control<QWidget>(QStringLiteral("TabSheet8"));

    QCOMPARE(text->toPlainText(), ResourceText(QStringLiteral(":/texts/reference_text.txt")));
    QCOMPARE(text->geometry(), page->rect());
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(text->verticalScrollBar()->isVisible());
    QCOMPARE(text->font().pixelSize(), 13);
    QCOMPARE(text->palette().color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(text->palette().color(QPalette::Base), QColor(255, 251, 240));
    QVERIFY(text->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    QVERIFY(!text->textInteractionFlags().testFlag(Qt::TextEditable));
}

void FixedPagesTest::controlsWhereTheWindowPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Image1") << "Image1"
                            << "Panel4" << QRect(29, 54, 76, 115);
    QTest::newRow("Shape1") << "Shape1"
                            << "Panel4" << QRect(124, 16, 1, 217);
    QTest::newRow("Shape2") << "Shape2"
                            << "Panel4" << QRect(108, 31, 296, 1);
    QTest::newRow("Memo1") << "Memo1"
                           << "Panel4" << QRect(144, 38, 297, 140);
    QTest::newRow("Panel6") << "Panel6"
                            << "Panel4" << QRect(157, 184, 247, 65);
    QTest::newRow("Image2") << "Image2"
                            << "Panel6" << QRect(8, -8, 217, 65);
    QTest::newRow("Panel10") << "Panel10"
                             << "TForm1" << QRect(0, 370, 467, 27);
    QTest::newRow("Bevel4") << "Bevel4"
                            << "Panel10" << QRect(195, 2, 268, 20);
    QTest::newRow("Label32") << "Label32"
                             << "Panel10" << QRect(201, 6, 262, 13);
    QTest::newRow("Label35") << "Label35"
                             << "Panel10" << QRect(16, 6, 162, 12);
    QTest::newRow("Labelhttp") << "Labelhttp"
                               << "Panel10" << QRect(33, 6, 114, 11);
}

void FixedPagesTest::controlsWhereTheWindowPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    WindowFixture fixture;
    fixture.open();
    fixture.control<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(7);

    QWidget *control = fixture.control<QWidget>(name);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), geometry);
}

void FixedPagesTest::aboutPageContent()
{
    WindowFixture fixture;
    fixture.open();
    fixture.control<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(7);

    auto *panel = fixture.control<QFrame>(QStringLiteral("Panel4"));
    QCOMPARE(panel->geometry(), fixture.control<QWidget>(QStringLiteral("TabSheet3"))->rect());
    QCOMPARE(panel->frameShadow(), QFrame::Sunken);

    auto *memo = fixture.control<QTextEdit>(QStringLiteral("Memo1"));
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines[4], QString());
    QCOMPARE(lines[7], QString());
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        QVERIFY2(!lines[i].trimmed().isEmpty(), qPrintable(QString::number(i)));
    QVERIFY(lines[8].endsWith(SiteAddress()));
    QVERIFY(lines[9].contains(QLatin1Char('@')));
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->frameShape(), QFrame::NoFrame);
    QCOMPARE(memo->lineWrapMode(), QTextEdit::NoWrap);
    QCOMPARE(memo->font().pixelSize(), 13);
    QCOMPARE(memo->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    QCOMPARE(panel->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
    // All ten lines show in full, none cut off at the bottom or the right.
    QVERIFY(memo->document()->size().height() <= memo->viewport()->height());
    for (const QString &line : lines)
        QVERIFY2(memo->fontMetrics().horizontalAdvance(line) < memo->viewport()->width(), qPrintable(line));

    auto *portrait = fixture.control<QLabel>(QStringLiteral("Image1"));
    QVERIFY(portrait->hasScaledContents());
    QCOMPARE(portrait->pixmap().size(), QSize(76, 115));
    auto *siteBanner = fixture.control<QLabel>(QStringLiteral("Image2"));
    QCOMPARE(siteBanner->pixmap().size(), QSize(217, 65));
    QCOMPARE(siteBanner->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(fixture.control<QWidget>(QStringLiteral("Panel6"))->palette().color(QPalette::Window),
             QColor(Qt::white));
}

void FixedPagesTest::statusBarContent()
{
    WindowFixture fixture;
    fixture.open();

    auto *link = fixture.control<QLabel>(QStringLiteral("Label32"));
    QCOMPARE(link->text(), QStringLiteral("OrvaneKivrel站"));
    QCOMPARE(link->alignment(), Qt::AlignCenter);
    QCOMPARE(link->font().pixelSize(), 13);
    QVERIFY(link->font().underline());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    // The underline shows within the 13 px box: a row of navy as wide as the text.
    const QImage drawn = link->grab().toImage();
    const int textWidth = link->fontMetrics().horizontalAdvance(link->text());
    int widestRun = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        int run = 0;
        for (int x = 0; x < drawn.width(); ++x) {
            run = drawn.pixelColor(x, y).blue() > 100 && drawn.pixelColor(x, y).red() < 60 ? run + 1 : 0;
            widestRun = qMax(widestRun, run);
        }
    }
    QVERIFY2(widestRun >= textWidth - 2, qPrintable(QString::number(widestRun)));

    auto *address = fixture.control<QLabel>(QStringLiteral("Labelhttp"));
    QVERIFY(!address->isVisible());
    QCOMPARE(address->text(), SiteAddress());

    auto *notice = fixture.control<QLabel>(QStringLiteral("Label35"));
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->font().pixelSize(), 12);
    QVERIFY(!notice->text().isEmpty());
    QVERIFY(!notice->text().contains(QLatin1Char('\n')));
    QVERIFY(notice->fontMetrics().horizontalAdvance(notice->text()) <= notice->width());
}

void FixedPagesTest::clicksOpenTheSite_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("page");

    QTest::newRow("static banner picture") << "Image3" << 0;
    QTest::newRow("site banner of the about page") << "Image2" << 7;
    QTest::newRow("site link of the status bar") << "Label32" << 0;
}

void FixedPagesTest::clicksOpenTheSite()
{
    QFETCH(QString, element);
    QFETCH(int, page);
    WindowFixture fixture;
    fixture.open();
    fixture.control<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
    QWidget *clicked = fixture.control<QWidget>(element);

    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(clicked->width() / 2, clicked->height() / 2));
    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(clicked->width() / 2, clicked->height() / 2));

    QCOMPARE(fixture.shell.webAddresses, (QList<QUrl>{QUrl(SiteAddress()), QUrl(SiteAddress())}));
    QVERIFY(fixture.shell.programs.isEmpty());
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

// The Windows program has no browser module (no Qt WebEngine there): the
// banner's host resolves (a literal address), the module is wanted and not
// found, and the strip shows its picture as when the site cannot be
// reached; a click opens the site in the default browser.
void FixedPagesTest::bannerWithoutItsBrowserModule()
{
    WindowFixture fixture(true);
    fixture.services.bannerAddress = QStringLiteral("http://127.0.0.1:9/gg.asp");
    fixture.services.bannerModulePath = fixture.filePath(QStringLiteral("pellumo_banner"));
    fixture.open();
    QWidget *panel7 = fixture.control<QWidget>(QStringLiteral("Panel7"));
    QWidget *picture = fixture.control<QWidget>(QStringLiteral("Image3"));
    QTRY_VERIFY(!panel7->isVisible());
    QVERIFY(!fixture.window->webBrowser());
    QVERIFY(picture->isVisible());
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(picture->width() / 2, picture->height() / 2));
    QCOMPARE(fixture.shell.webAddresses, QList<QUrl>{QUrl(SiteAddress())});
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void FixedPagesTest::siteLinkReadsItsAddressAtTheClick()
{
    WindowFixture fixture;
    fixture.open();
    fixture.control<QLabel>(QStringLiteral("Labelhttp"))->setText(QStringLiteral("http://other.example"));

    QTest::mouseClick(fixture.control<QWidget>(QStringLiteral("Label32")), Qt::LeftButton);

    QCOMPARE(fixture.shell.webAddresses, QList<QUrl>{QUrl(QStringLiteral("http://other.example"))});
}

void FixedPagesTest::calculatorIcons_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected");  // empty: nothing reaches the shell

#ifdef Q_OS_WIN
    // Every Windows has its calculator in the system folder; nothing is looked up.
    QTest::newRow("the system's calculator")
        << QStringList{QStringLiteral("kcalc")} << QStringLiteral("C:\\WINDOWS\\system32\\calc.exe");
#else
    QTest::newRow("no calculator on the system") << QStringList{} << QString();
    QTest::newRow("only a desktop calculator")
        << QStringList{QStringLiteral("kcalc")} << QStringLiteral("kcalc");
    QTest::newRow("first of several in the order tried")
        << QStringList{QStringLiteral("xcalc"), QStringLiteral("galculator"),
                       QStringLiteral("gnome-calculator")}
        << QStringLiteral("gnome-calculator");
#endif
}

// Both icons hand the same calculator to the shell, again on every click.
void FixedPagesTest::calculatorIcons()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);
    QTemporaryDir bin;
    for (const QString &program : installed)
        WriteExecutable(bin.filePath(program));
    WriteExecutable(bin.filePath(QStringLiteral("calc")));  // not a name that is looked for
    const PathOverride path(bin.path());
    WindowFixture fixture;
    fixture.open();
    auto *tabs = fixture.control<QTabWidget>(QStringLiteral("PageControl1"));

    QTest::mouseClick(fixture.control<QWidget>(QStringLiteral("Image4")), Qt::LeftButton);
    QTest::mouseClick(fixture.control<QWidget>(QStringLiteral("Image4")), Qt::LeftButton);
    tabs->setCurrentIndex(1);
    QTest::mouseClick(fixture.control<QWidget>(QStringLiteral("Image5")), Qt::LeftButton);

    // An absolute expected path (Windows's calculator) is taken as it is.
    const QStringList targets = expected.isEmpty() ? QStringList{} : QStringList(3, QDir(bin.path()).filePath(expected));
    QCOMPARE(fixture.shell.programs, targets);
    QVERIFY(fixture.shell.webAddresses.isEmpty());
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void FixedPagesTest::systemShellStartsAProgramByItsPath()
{
    QTemporaryDir folder;
    const QString marker = folder.filePath(QStringLiteral("started"));
#ifdef Q_OS_WIN
    // Windows starts a command script by its path as it starts a program.
    const QString program = folder.filePath(QStringLiteral("calculator.cmd"));
    WriteExecutable(program, "@echo off\r\ntype nul > \"" + QDir::toNativeSeparators(marker).toLocal8Bit() + "\"\r\n");
#else
    const QString program = folder.filePath(QStringLiteral("calculator"));
    WriteExecutable(program, "#!/bin/sh\ntouch '" + marker.toLocal8Bit() + "'\n");
#endif
    SystemShellLauncher shell;

    shell.startProgram(folder.filePath(QStringLiteral("missing-program")));  // silent
    shell.startProgram(program);

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
}

QTEST_MAIN(FixedPagesTest)
#include "tst_fixed_pages.moc"
