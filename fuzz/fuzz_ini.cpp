// The INI reader and writer on any bytes: every read is bounded, and a write
// that succeeds leaves the key written readable as written and every other
// key reading as before; a write that fails changes nothing.

#include "fuzz/fuzz_check.h"
#include "platform/ini_file.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace pellumo;
using pellumo::fuzz::Check;

namespace {

const QStringList Sections = {QStringLiteral("money"), QStringLiteral("vrk"), QStringLiteral("s"),
                              QStringLiteral("设置")};
const QStringList Keys = {QStringLiteral("a"), QStringLiteral("bz"), QStringLiteral("lihun"), QStringLiteral("键")};

// Names compare without regard to the case of ASCII letters only.
QString AsciiLower(const QString &name)
{
    QString lower = name;
    for (QChar &c : lower) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return lower;
}

bool SameName(const QString &a, const QString &b)
{
    return AsciiLower(a) == AsciiLower(b);
}

QString ChooseName(FuzzedDataProvider &input, const QStringList &known)
{
    if (input.ConsumeIntegralInRange(0, 7) == 0) {
        const std::string bytes = input.ConsumeRandomLengthString(12);
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    }
    const QString name = known[input.ConsumeIntegralInRange<qsizetype>(0, known.size() - 1)];
    return input.ConsumeBool() ? name.toUpper() : name;
}

QStringList ReadAll(const QByteArray &content)
{
    QStringList reads;
    for (const QString &section : Sections) {
        for (const QString &key : Keys) {
            reads += ReadIniStringFrom(content, section, key, QStringLiteral("<none>"));
            Check(reads.last().size() <= MaxValueLength, "a read returns at most MaxValueLength characters");
        }
    }
    return reads;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString section = ChooseName(input, Sections);
    const QString key = ChooseName(input, Keys);
    const std::string valueBytes = input.ConsumeRandomLengthString(40);
    const QString value = QString::fromUtf8(valueBytes.data(), qsizetype(valueBytes.size()));
    const std::string contentBytes = input.ConsumeRemainingBytesAsString();
    const QByteArray content(contentBytes.data(), qsizetype(contentBytes.size()));

    const QStringList before = ReadAll(content);
    QByteArray written = content;
    if (!SetIniStrings(written, section, {{key, value}})) {
        Check(written == content, "a refused write changes nothing");
        return 0;
    }
    Check(ReadIniStringFrom(written, section, key, QStringLiteral("<none>")) == value,
          "a key written reads back as written");
    const QStringList after = ReadAll(written);
    for (qsizetype s = 0; s < Sections.size(); ++s) {
        for (qsizetype k = 0; k < Keys.size(); ++k) {
            const qsizetype index = s * Keys.size() + k;
            if (SameName(Sections[s], section) && SameName(Keys[k], key))
                Check(after[index] == value, "the key written reads as written under any case of its name");
            else
                Check(after[index] == before[index], "every other key reads as before");
        }
    }
    return 0;
}
