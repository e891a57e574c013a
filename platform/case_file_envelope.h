#pragma once
// The envelope every ".pellumo-case" file shares, whatever window wrote it:
// UTF-8 JSON with the format name "pellumo-case", the kind of case (the
// execution ledger, the first kind, writes none) and a version that each
// kind numbers for itself. Opening checks the envelope in one order for all
// kinds: size, JSON, format name, kind, version; the kind before the
// version, because a version means something only within its kind.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace pellumo {

inline constexpr qint64 MaxCaseFileBytes = 1024 * 1024;

// A kind of case file: its name in the file ("" for the ledger's cases), the
// window that opens it, and the newest version this program reads.
struct CaseFileKind {
    QString name;
    QString window;
    int newestVersion;
};

struct CaseFileEnvelope {
    QJsonObject root;
    int version = 0;
};

struct CaseFileOpening {
    std::optional<CaseFileEnvelope> envelope;
    QString error;  // why there is none, ready to show
};

CaseFileOpening OpenCaseFileEnvelope(const QByteArray &bytes, const CaseFileKind &expected);

// The root object of a file of this kind at its newest version.
QJsonObject NewCaseFileRoot(const CaseFileKind &kind);

} // namespace pellumo
