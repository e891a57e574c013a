// The first and last day of a sentence, worked out by hand: a year runs to
// the day before the same date a year later, a month to the day before the
// same date a month later (from a month's last day, to the day before the
// next month's last day), and the custody before the sentence is offset from
// its end.

#include "dates/sentence_term.h"

#include <QTest>

using namespace pellumo;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SentenceCase)

namespace {

SentenceCase Term(Penalty penalty, int years, int months, int days, QDate start, QList<CustodySpell> offset = {})
{
    return {penalty, years, months, days, start, offset};
}

CustodySpell Spell(QDate first, QDate last, CustodyKind kind = CustodyKind::Detained) { return {first, last, kind}; }

QString Day(QDate d) { return u"%1年%2月%3日"_s.arg(d.year()).arg(d.month()).arg(d.day()); }

} // namespace

class SentenceTermTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void end_data();
    void end();
    void steps();
    void refused_data();
    void refused();
};

void SentenceTermTest::end_data()
{
    QTest::addColumn<SentenceCase>("c");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<int>("offsetDays");

    using P = Penalty;
    using K = CustodyKind;
    const QDate march4(2025, 3, 4);
    // 2021-02-29 does not exist: the day before the month's last day, 28 February.
    QTest::newRow("1 year from 2020-02-29") << Term(P::CriminalDetention, 1, 0, 0, {2020, 2, 29}) << QDate(2021, 2, 27) << 0;
    // From a month's last day: the day before the next month's last day, not before 5-30.
    QTest::newRow("1 month from 2025-04-30") << Term(P::CriminalDetention, 0, 1, 0, {2025, 4, 30}) << QDate(2025, 5, 30) << 0;
    // 3 years to 2028-03-04, 6 months to 2028-09-04, the day before is 9-3, + 15 days = 9-18.
    QTest::newRow("3 years 6 months 15 days") << Term(P::FixedTerm, 3, 6, 15, march4) << QDate(2028, 9, 18) << 0;
    // The years reach 2024-02-28, no month end in 2024: the months count from it, to 3-28.
    QTest::newRow("years, then months from the day they reach")
        << Term(P::FixedTerm, 1, 1, 0, {2023, 2, 28}) << QDate(2024, 3, 27) << 0;
    QTest::newRow("25 years, the longest fixed term") << Term(P::FixedTerm, 25, 0, 0, march4) << QDate(2050, 3, 3) << 0;
    // 6 months to 2025-09-03; 10 days of custody offset 20: 9-3 − 20 = 8-14.
    QTest::newRow("管制 with 10 days of custody")
        << Term(P::Surveillance, 0, 6, 0, march4, {Spell({2024, 12, 1}, {2024, 12, 10})}) << QDate(2025, 8, 14) << 20;
    QTest::newRow("管制 with 7 days of designated residence: one for one")
        << Term(P::Surveillance, 0, 6, 0, march4, {Spell({2024, 12, 1}, {2024, 12, 7}, K::DesignatedResidence)})
        << QDate(2025, 8, 27) << 7;
    // 1 year to 2026-03-03; 3 + 3 days add up to 6 before halving: 3, where halving each spell would give 2.
    QTest::newRow("two spells of designated residence add up first")
        << Term(P::FixedTerm, 1, 0, 0, march4,
                {Spell({2024, 12, 1}, {2024, 12, 3}, K::DesignatedResidence),
                 Spell({2024, 12, 10}, {2024, 12, 12}, K::DesignatedResidence)})
        << QDate(2026, 2, 28) << 3;
    // 2 years to 2027-05-31; 10 + 31 days, given latest first: 5-31 − 41 = 4-20.
    QTest::newRow("two interrupted spells")
        << Term(P::FixedTerm, 2, 0, 0, {2025, 6, 1}, {Spell({2024, 3, 1}, {2024, 3, 31}), Spell({2024, 1, 1}, {2024, 1, 10})})
        << QDate(2027, 4, 20) << 41;
    // 3 months to 2025-06-03; 15 days of administrative detention: 5-19.
    QTest::newRow("拘役 with administrative detention")
        << Term(P::CriminalDetention, 0, 3, 0, march4, {Spell({2024, 12, 1}, {2024, 12, 15}, K::AdministrativeDetention)})
        << QDate(2025, 5, 19) << 15;
}

void SentenceTermTest::end()
{
    QFETCH(SentenceCase, c);
    QFETCH(QDate, end);
    const SentenceResult result = ComputeSentence(c);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.start, c.start);
    QCOMPARE(result.end, end);
    QTEST(result.offsetDays, "offsetDays");
    const QString term = c.penalty == Penalty::Surveillance ? u"管制期限"_s : u"刑期"_s;
    QCOMPARE(result.wording, u"%1自%2起至%3止"_s.arg(term, Day(c.start), Day(end)));
}

// The lines the window shows and prints, with the odd day of designated
// residence said in words.
void SentenceTermTest::steps()
{
    const SentenceCase c = Term(Penalty::FixedTerm, 1, 6, 0, {2025, 3, 4},
                                {Spell({2024, 11, 1}, {2024, 11, 7}, CustodyKind::DesignatedResidence),
                                 Spell({2024, 12, 1}, {2024, 12, 10})});
    const QStringList expected = {
        u"判处有期徒刑1年6个月，刑期自2025年3月4日起算（刑法第四十七条）。"_s,
        u"以年计算：自2025年3月4日起1年，至2026年3月4日的前一日即2026年3月3日止（刑诉法解释第二百零二条第二款）。"_s,
        u"以月计算：自2026年3月4日起6个月，至2026年9月4日的前一日即2026年9月3日止（刑诉法解释第二百零二条第二款）。"_s,
        u"先行羁押第1行：2024年11月1日至2024年11月7日指定居所监视居住共7日。"_s,
        u"先行羁押第2行：2024年12月1日至2024年12月10日刑事拘留、逮捕共10日，羁押一日折抵刑期一日（刑法第四十七条），折抵10日。"_s,
        u"指定居所监视居住合计7日，二日折抵刑期一日（刑事诉讼法第七十六条），折抵3日；余1日不足二日，不予折抵。"_s,
        u"合计折抵刑期13日，刑期止日由2026年9月3日提前至2026年8月21日。"_s,
        u"刑期自2025年3月4日起至2026年8月21日止。"_s};
    const SentenceResult result = ComputeSentence(c);
    QCOMPARE(result.steps, expected);
    QCOMPARE(result.offsetDays, 13);
}

void SentenceTermTest::refused_data()
{
    QTest::addColumn<SentenceCase>("c");
    QTest::addColumn<QString>("error");

    using P = Penalty;
    const QDate march4(2025, 3, 4);
    const auto row = [](const char *name, const SentenceCase &c, const QString &error) {
        QTest::newRow(name) << c << error;
    };
    const QString fixedRange = u"刑期：有期徒刑的期限为6个月以上25年以下（刑法第四十五条、第六十九条）"_s;
    row("no term", Term(P::FixedTerm, 0, 0, 0, march4), u"刑期：刑期为零"_s);
    row("a negative part", Term(P::FixedTerm, 1, -1, 0, march4), u"刑期：年数、月数和日数不能为负数"_s);
    row("31 days", Term(P::FixedTerm, 1, 0, 31, march4), u"刑期：日数不能超过30日，满一个月的计入月数"_s);
    // Each penalty's range, below and above; a count of years that would overflow.
    row("有期徒刑 of 5 months 30 days", Term(P::FixedTerm, 0, 5, 30, march4), fixedRange);
    row("有期徒刑 of 25 years and a day", Term(P::FixedTerm, 25, 0, 1, march4), fixedRange);
    row("a year beyond int", Term(P::FixedTerm, 2147483647, 11, 0, march4), fixedRange);
    row("管制 of 3 years 1 month", Term(P::Surveillance, 3, 1, 0, march4),
        u"刑期：管制的期限为3个月以上3年以下（刑法第三十八条、第六十九条）"_s);
    row("拘役 of 15 days", Term(P::CriminalDetention, 0, 0, 15, march4),
        u"刑期：拘役的期限为1个月以上1年以下（刑法第四十二条、第六十九条）"_s);
    // Days outside 1900..9999: the start, a spell's day, the end reached.
    row("no start", Term(P::FixedTerm, 1, 0, 0, QDate()), u"刑期起算日：不是1900年1月1日至9999年12月31日之间的日期"_s);
    row("a spell before 1900", Term(P::FixedTerm, 1, 0, 0, march4, {Spell({1899, 12, 31}, {1900, 1, 2})}),
        u"羁押期间第1行：起日不是1900年1月1日至9999年12月31日之间的日期"_s);
    row("an end beyond 9999", Term(P::FixedTerm, 1, 0, 0, {9999, 3, 1}), u"刑期止日超出9999年12月31日"_s);
    // Spells that cannot be offset.
    row("a spell's last day before its first",
        Term(P::FixedTerm, 1, 0, 0, march4, {Spell({2024, 1, 1}, {2024, 1, 2}), Spell({2024, 5, 10}, {2024, 5, 1})}),
        u"羁押期间第2行：止日2024年5月1日早于起日2024年5月10日"_s);
    row("a spell up to the start", Term(P::FixedTerm, 1, 0, 0, march4, {Spell({2025, 3, 1}, march4)}),
        u"羁押期间第1行：止日2025年3月4日不早于刑期起算日2025年3月4日；羁押持续到判决执行的，刑期自羁押之日起算，这段羁押已在刑期之内，不再折抵"_s);
    row("overlapping spells",
        Term(P::FixedTerm, 1, 0, 0, march4, {Spell({2024, 5, 10}, {2024, 5, 20}), Spell({2024, 5, 1}, {2024, 5, 10})}),
        u"羁押期间第2行：与第1行重叠，同一日只能折抵一次"_s);
    row("administrative detention against 管制",
        Term(P::Surveillance, 0, 6, 0, march4, {Spell({2024, 5, 1}, {2024, 5, 10}, CustodyKind::AdministrativeDetention)}),
        u"羁押期间第1行：行政拘留不折抵管制的刑期（行政处罚法第三十五条只规定折抵拘役和有期徒刑）"_s);
    // 1 month from 3-4 runs to 4-3: 31 days, all covered by 31 days of custody.
    row("custody covering the whole term", Term(P::CriminalDetention, 0, 1, 0, march4, {Spell({2025, 1, 1}, {2025, 1, 31})}),
        u"先行羁押折抵刑期31日，已达到全部刑期31日：羁押已经抵满刑期"_s);
}

void SentenceTermTest::refused()
{
    QFETCH(SentenceCase, c);
    const SentenceResult result = ComputeSentence(c);
    QTEST(result.error, "error");
    QVERIFY(result.end.isNull());
    QVERIFY(result.wording.isEmpty());
    QVERIFY(result.steps.isEmpty());
}

QTEST_GUILESS_MAIN(SentenceTermTest)
#include "tst_sentence_term.moc"
