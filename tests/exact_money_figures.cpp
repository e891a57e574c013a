// Prints the exact-money results of the calculation libraries for amounts,
// rates and dates generated from a fixed seed: every fee of the schedules
// with the steps of its arithmetic, the delayed-performance interest,
// liquidated damages, the interest at the rates in force and the execution
// ledger, each as its exact rational and as shown (figures, numeral words,
// the banks' capitals). tools/cross-test.sh runs it natively, under the arm64
// emulator and under Wine, and compares the outputs byte for byte, so that no
// result depends on the processor or the system it was computed on.
//
//   exact_money_figures [cases]          (default 600)
//
// The generator is std::mt19937_64, whose sequence the C++ standard fixes;
// the cases are cut from its raw 64-bit outputs by integer arithmetic alone
// (no library distribution, whose algorithm the standard leaves open).

#include "fees/acceptance_fee.h"
#include "fees/application_fee.h"
#include "fees/fee_schedule.h"
#include "interest/delay_interest.h"
#include "interest/execution_ledger.h"
#include "interest/liquidated_damages.h"
#include "interest/rate_history.h"
#include "interest/rate_table.h"
#include "interest/segmented_interest.h"
#include "interest/segmented_interest_text.h"
#include "money/money.h"

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QTextStream>

#include <cstdio>
#include <random>
#include <string>

using namespace pellumo;

namespace {

class Cases
{
public:
    explicit Cases(std::uint64_t seed) : m_engine(seed) {}

    // 0 <= n < bound
    std::uint64_t below(std::uint64_t bound) { return m_engine() % bound; }

    // A decimal text of up to `maxDigits` integer digits and 0 to 3
    // decimals, some with a trailing 5 in the third decimal (the half fen
    // that rounds away from zero), some in exponent form.
    QString amountText(int maxDigits)
    {
        const int digits = 1 + int(below(std::uint64_t(maxDigits)));
        QString text;
        for (int i = 0; i < digits; ++i)
            text += QChar(u'0' + int(below(10)));
        // No leading zeros: the texts look typed.
        while (text.size() > 1 && text.front() == u'0')
            text.remove(0, 1);
        const int decimals = int(below(4));
        if (decimals > 0) {
            text += u'.';
            for (int i = 0; i < decimals; ++i)
                text += QChar(u'0' + int(i == 2 && below(2) == 0 ? 5 : below(10)));
        }
        if (below(10) == 0)
            text += QStringLiteral("e") + QString::number(int(below(5)) - 2);
        return text;
    }

    QDate dateBetween(const QDate &from, const QDate &to)
    {
        return from.addDays(qint64(below(std::uint64_t(from.daysTo(to)) + 1)));
    }

private:
    std::mt19937_64 m_engine;
};

QByteArray Exact(const Money &m)
{
    return QByteArray::fromStdString(m.exact().get_str());
}

QString Shown(const Money &m)
{
    return QString::fromLatin1(Exact(m)) + u' ' + MoneyToFigures(m) + u' ' + MoneyToChinese(m) + u' '
           + MoneyToRmbCapitals(m);
}

// Every fee kind of the schedule on the amount, with generated local
// amounts and reductions.
void PrintFeeSchedule(QTextStream &out, Cases &cases, const Money &x)
{
    LocalStandards local;
    local.divorce = Money(long(50 + cases.below(251)));
    local.personalityRights = Money(long(100 + cases.below(401)));
    Reductions reductions;
    reductions.mediatedOrWithdrawn = cases.below(3) == 0;
    reductions.simplifiedProcedure = cases.below(3) == 0;
    reductions.counterclaim = cases.below(3) == 0;
    out << "  schedule " << Exact(local.divorce) << ' ' << Exact(local.personalityRights) << ' '
        << reductions.mediatedOrWithdrawn << reductions.simplifiedProcedure << reductions.counterclaim << '\n';
    for (const FeeKind kind : AllFeeKinds()) {
        const FeeResult fee = ComputeFee(kind, x, local, reductions);
        out << "    " << FeeKindName(kind) << ' ' << fee.error << Shown(fee.fee) << '\n';
        for (const FeeStep &step : fee.steps)
            out << "      " << Exact(step.amount) << ' ' << step.text << '\n';
    }
}

// A ledger of one to three debt items, with or without general interest,
// and up to three payments, all from 2014-08-01 on.
void PrintExecutionLedger(QTextStream &out, Cases &cases, const RateHistory &history)
{
    ExecutionCase c;
    const QDate ruleOf2014(2014, 8, 1);
    const int items = 1 + int(cases.below(3));
    for (int i = 0; i < items; ++i) {
        DebtItem item;
        item.name = QStringLiteral("项目") + QString::number(i + 1);
        item.amount = Money::fraction(long(1 + cases.below(1'000'000'000)), 100);
        item.kind = i == 0 ? DebtKind::Principal : DebtKind(cases.below(6));
        item.lastPerformanceDay = cases.dateBetween(QDate(2012, 1, 1), QDate(2023, 12, 31));
        item.inDoubledBase = InDoubledBaseByDefault(item.kind);
        c.items.append(item);
    }
    c.generalInterest.awarded = cases.below(2) == 0;
    c.generalInterest.from = cases.dateBetween(QDate(2012, 1, 1), QDate(2023, 12, 31));
    if (cases.below(2) == 0)
        c.generalInterest.fixedAnnualRatePercent = Money::fraction(long(100 + cases.below(1400)), 100);
    c.generalInterest.basis = cases.below(2) == 0 ? RateBasis::OneYear : RateBasis::OverFiveYears;
    const int credits = int(cases.below(4));
    for (int i = 0; i < credits; ++i)
        c.credits.append(Credit{cases.dateBetween(ruleOf2014, QDate(2025, 6, 30)),
                                Money::fraction(long(1 + cases.below(500'000'000)), 100)});
    c.order = cases.below(2) == 0 ? SetOffOrder::CostsInterestPrincipal : SetOffOrder::CostsPrincipalInterest;
    c.calculationDay = cases.dateBetween(QDate(2024, 1, 1), QDate(2026, 12, 31));

    const ExecutionLedger ledger = ComputeExecutionLedger(c, history);
    out << "  ledger " << items << ' ' << credits << ' ' << ledger.error << '\n';
    if (!ledger.error.isEmpty())
        return;
    out << "    owed " << Shown(ledger.owedTotal) << " costs " << Exact(ledger.owedCosts) << " interest "
        << Exact(ledger.owedGeneralInterest) << " principal " << Exact(ledger.owedPrincipal) << " doubled "
        << Exact(ledger.owedDoubled) << " accrued " << Exact(ledger.accruedGeneralInterest) << ' '
        << Exact(ledger.accruedDoubled) << '\n';
    for (const DoubledSegment &segment : ledger.doubled)
        out << "    doubled " << segment.days << ' ' << Exact(segment.base) << ' ' << segment.rate << ' '
            << Exact(segment.interest) << '\n';
    for (const CreditApplied &credit : ledger.credits)
        out << "    credit " << credit.row << ' ' << Exact(credit.toCosts) << ' ' << Exact(credit.toGeneralInterest)
            << ' ' << Exact(credit.toPrincipal) << ' ' << Exact(credit.toDoubled) << ' ' << Exact(credit.surplus)
            << ' ' << Exact(credit.owedAfter) << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 600;
#ifdef Q_OS_WIN
    // The figures are compared byte for byte with the Linux build's: the
    // Windows C runtime would write every line end as CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);

    Cases cases(20070401);  // the day the fee measures took effect
    const RateHistory history = BuiltInRateHistory();
    // A rate table that is not there: every band at its default rate.
    const RateTable defaultRates(QDir(QCoreApplication::applicationDirPath()).filePath(
        QStringLiteral("no-rate-table-here/set.rar")));
    const QStringList kinds{QStringLiteral("日利率"), QStringLiteral("月利率"), QStringLiteral("年利率")};

    for (int n = 0; n < count; ++n) {
        const QString text = cases.amountText(15);
        const std::optional<Money> parsed = ParseMoney(text);
        out << "case " << n << " amount " << text << '\n';
        if (!parsed) {
            out << "  refused\n";
            continue;
        }
        const Money x = *parsed;
        out << "  read " << Shown(x) << '\n';

        if (x > 0) {
            const int divorceBase = 50 + int(cases.below(251));
            const int personalityBase = 100 + int(cases.below(401));
            const Money property = PropertyCaseFee(x);
            out << "  property " << Shown(property) << '\n'
                << "  half " << Shown(HalfFee(property)) << '\n'
                << "  divorce " << divorceBase << ' ' << Shown(DivorceCaseFee(x, divorceBase)) << '\n'
                << "  personality " << personalityBase << ' '
                << Shown(PersonalityRightsCaseFee(x, personalityBase)) << '\n'
                << "  execution " << Shown(ExecutionFee(x)) << '\n'
                << "  preservation " << Shown(PreservationFee(x)) << '\n'
                << "  payment order " << Shown(PaymentOrderFee(x)) << '\n';
            PrintFeeSchedule(out, cases, x);
        }

        // Interest and damages take any sign; the debt may run to a
        // billion, the period to thirty years.
        // One draw per statement: the order in which the operands of one
        // expression are evaluated is the compiler's choice.
        const bool negative = cases.below(8) == 0;
        const QString debtText = (negative ? QStringLiteral("-") : QString()) + cases.amountText(10);
        const QDate start = cases.dateBetween(QDate(1999, 6, 10), QDate(2025, 12, 31));
        const QDate end = start.addDays(qint64(cases.below(11000)) - 30);
        out << "  debt " << debtText << " from " << start.toString(Qt::ISODate) << " to "
            << end.toString(Qt::ISODate) << '\n';

        const DelayInterestResult delay = DelayInterest(debtText, start, end, defaultRates);
        out << "  delay " << int(delay.outcome) << ' ' << delay.amountInWords << '\n';
        for (const QString &line : delay.lines)
            out << "    " << line << '\n';

        const QString rateText = cases.amountText(2);
        const int kind = int(cases.below(3));
        const LiquidatedDamagesResult damages =
            LiquidatedDamages(debtText, rateText, kind, kinds[kind], start, end);
        out << "  damages " << rateText << ' ' << kinds[kind] << ' ' << int(damages.outcome) << ' '
            << damages.amountInWords << damages.errorMessage << '\n';
        for (const QString &line : damages.lines)
            out << "    " << line << '\n';

        PrintExecutionLedger(out, cases, history);

        const std::optional<Money> debt = ParseMoney(debtText);
        if (!debt)
            continue;
        SegmentedInterestRequest request;
        request.calculation = cases.below(2) == 0 ? SegmentedInterestRequest::Calculation::RatesInForce
                                                  : SegmentedInterestRequest::Calculation::DoubledDelay;
        request.principal = *debt;
        request.first = start;
        request.last = end;
        request.basis = RateBasis(cases.below(3));
        request.multiplier = Money::fraction(long(10 + cases.below(31)), 10);  // 1.0 to 4.0
        request.daysPerYear = cases.below(2) == 0 ? 360 : 365;
        const SegmentedInterest segmented = CalculateSegmentedInterest(request, history);
        out << "  segmented " << int(segmented.outcome) << ' ' << segmented.segments.size() << ' '
            << Shown(segmented.total) << '\n';
        for (const InterestSegment &segment : segmented.segments)
            out << "    " << segment.days << ' ' << segment.annualRate << ' ' << Exact(segment.interest) << '\n';
        out << SegmentedInterestCopyText(request, segmented, history.knownThrough) << '\n';
    }
    out.flush();
    return 0;
}
