#pragma once

#include "records/recordrow.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// What an export writes beside its copies: a manifest, with one CSV line for
// each checked record, and a checksum file that `sha256sum -c` verifies in
// the export's folder.

// A copy in the export's folder: its name there, its size and the SHA-256 of
// the bytes written, in hex.
struct CopiedFile
{
    QString name;
    qint64 size = 0;
    QByteArray sha256;
};

enum class ExportResult { Copied, Missing, Failed, Cancelled };

// What became of one checked record's file.
struct ExportedFile
{
    RecordRow record;
    ExportResult result = ExportResult::Failed;
    CopiedFile copy; // when copied
};

// "copied", "missing" (no regular file when the export was asked for),
// "failed", "cancelled" (stopped, or not begun, by Cancel).
QString ExportResultWord(ExportResult result);

// The manifest's header line: the copy's name, the original path, the size
// and SHA-256 of the copy, then the record's texts as the table shows them,
// and the result.
QStringList ManifestColumnNames();
// A file not copied has no name, size or SHA-256.
QStringList ManifestFields(const ExportedFile &file);

// A copy's line as sha256sum writes it: "<hex>  <name>" and LF. A name
// holding a backslash, an LF or a CR has them written as \\, \n and \r, and
// the line begins with a backslash.
QByteArray ChecksumLine(const QString &name, const QByteArray &sha256);

// "export-yyyyMMdd-hhmmss" of the export's time, with "-2", "-3"... from the
// second attempt on; the manifest and the checksum file add their suffixes.
QString ManifestStem(const QDateTime &time, int attempt);
extern const QString kManifestSuffix; // ".manifest.csv"
extern const QString kChecksumSuffix; // ".sha256"
