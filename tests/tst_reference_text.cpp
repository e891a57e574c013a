// The text of the reference page, held against the published Measures on the
// Payment of Litigation Costs (State Council Order No. 481) and the Supreme
// People's Court's notice on applying them (法发〔2007〕16号), for passages
// that were once wrong.

#include <QFile>
#include <QStringList>
#include <QTest>

namespace {

QStringList ReferenceLines()
{
    QFile file(QStringLiteral(PELLUMO_SOURCE_DIR "/app/resources/reference_text.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open the reference text");
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

// Lines from the one that starts with `first` up to (not including) the next
// line that starts with `next`, joined without their line breaks.
QString RunningText(const QStringList &lines, const QString &first, const QString &next)
{
    QString text;
    bool inside = false;
    for (const QString &line : lines) {
        if (inside && line.startsWith(next))
            break;
        inside = inside || line.startsWith(first);
        if (inside)
            text += line;
    }
    return text;
}

} // namespace

class ReferenceTextTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void publishedWording_data();
    void publishedWording();
    void noticeSectionThreeIsOneParagraph();
    void noticeNumberUnderItsTitle();
};

void ReferenceTextTest::publishedWording_data()
{
    QTest::addColumn<QString>("first");     // the passage runs from the line starting with this
    QTest::addColumn<QString>("next");      // to the line starting with this
    QTest::addColumn<QString>("passage");   // and holds exactly this once

    const QString art = QStringLiteral("　　第");
    QTest::newRow("article 10 (1): 公证机构")
        << QStringLiteral("　　第十条") << art
        << QStringLiteral("仲裁机构依法作出的裁决和调解书，公证机构依法赋予强制执行效力的债权文书；");
    QTest::newRow("article 14 (1): 公证机关")
        << QStringLiteral("　　第十四条") << QStringLiteral("　　1．")
        << QStringLiteral("仲裁机构依法作出的裁决和调解书，公证机关依法赋予强制执行效力的债权文书，");
    QTest::newRow("article 32: costs of a retrial")
        << QStringLiteral("　　第三十二条") << art
        << QStringLiteral("　　第三十二条　依照本办法第九条第（一）项、第（二）项的规定应当交纳案件受理费的"
                          "再审案件，诉讼费用由申请再审的当事人负担；双方当事人都申请再审的，诉讼费用依照"
                          "本办法第二十九条的规定负担。原审诉讼费用的负担由人民法院根据诉讼费用负担原则重新确定。");
    QTest::newRow("article 39 (1)")
        << QStringLiteral("　　第三十九条") << art
        << QStringLiteral("　　（一）诉前申请海事请求保全、海事强制令的，申请费由申请人负担；"
                          "申请人就有关海事请求提起诉讼的，可将上述费用列入诉讼请求；");
    QTest::newRow("article 39 (2)")
        << QStringLiteral("　　第三十九条") << art
        << QStringLiteral("　　（二）诉前申请海事证据保全的，申请费由申请人负担；");
    QTest::newRow("article 39 (3)")
        << QStringLiteral("　　第三十九条") << art
        << QStringLiteral("　　（三）诉讼中拍卖、变卖被扣押船舶、船载货物、船用燃油、船用物料发生的合理费用，"
                          "由申请人预付，从拍卖、变卖价款中先行扣除，退还申请人；");
    QTest::newRow("article 39 (4)")
        << QStringLiteral("　　第三十九条") << art
        << QStringLiteral("　　（四）申请设立海事赔偿责任限制基金、申请债权登记与受偿、"
                          "申请船舶优先权催告案件的申请费，由申请人负担；");
    QTest::newRow("article 39 (5), the last item")
        << QStringLiteral("　　第三十九条") << art
        << QStringLiteral("　　（五）设立海事赔偿责任限制基金、船舶优先权催告程序中的公告费用由申请人负担。");
    QTest::newRow("notice section 3: 应当依法强制执行")
        << QStringLiteral("    三、") << QStringLiteral("    四、")
        << QStringLiteral("对原告胜诉的案件，诉讼费用由被告负担，人民法院应当将预收的诉讼费用退还原告，"
                          "再由人民法院直接向被告收取，但原告自愿承担或者同意被告直接向其支付的除外。"
                          "当事人拒不交纳诉讼费用的，人民法院应当依法强制执行。");
}

void ReferenceTextTest::publishedWording()
{
    QFETCH(QString, first);
    QFETCH(QString, next);
    QFETCH(QString, passage);
    const QString text = RunningText(ReferenceLines(), first, next);
    QVERIFY2(!text.isEmpty(), qPrintable(QStringLiteral("no passage starting with ") + first));
    QCOMPARE(text.count(passage), 1);
}

// Article 39 has five items, no more; the notice's section 三 is one paragraph
// after its heading (no line of it opens a new indented paragraph).
void ReferenceTextTest::noticeSectionThreeIsOneParagraph()
{
    const QStringList lines = ReferenceLines();
    const qsizetype heading = lines.indexOf(QStringLiteral("    三、关于诉讼费用的负担"));
    QVERIFY(heading >= 0);
    QVERIFY(lines.value(heading + 1).startsWith(QStringLiteral("    《办法》第二十九条")));
    for (qsizetype i = heading + 2; i < lines.size() && !lines[i].isEmpty(); ++i)
        QVERIFY2(!lines[i].startsWith(QLatin1Char(' ')), qPrintable(lines[i]));
    QVERIFY(!RunningText(lines, QStringLiteral("　　第三十九条"), QStringLiteral("　　第四十条"))
                 .contains(QStringLiteral("（六）")));
}

void ReferenceTextTest::noticeNumberUnderItsTitle()
{
    const QStringList lines = ReferenceLines();
    const qsizetype title = lines.indexOf(QStringLiteral("２、最高人民法院关于适用《诉讼费用交纳办法》的通知  "));
    QVERIFY(title >= 0);
    QCOMPARE(lines.value(title + 1), QStringLiteral("法发〔2007〕16号"));
}

QTEST_GUILESS_MAIN(ReferenceTextTest)
#include "tst_reference_text.moc"
