#include "records/exportmanifest.h"

#include <QFile>

const QString kManifestSuffix = QStringLiteral(".manifest.csv");
const QString kChecksumSuffix = QStringLiteral(".sha256");

QString ExportResultWord(ExportResult result)
{
    switch (result) {
    case ExportResult::Copied:
        return QStringLiteral("copied");
    case ExportResult::Missing:
        return QStringLiteral("missing");
    case ExportResult::Failed:
        return QStringLiteral("failed");
    case ExportResult::Cancelled:
        break;
    }
    return QStringLiteral("cancelled");
}

QStringList ManifestColumnNames()
{
    return {QStringLiteral("exported_name"), QStringLiteral("original_path"),
            QStringLiteral("size"),          QStringLiteral("sha256"),
            QStringLiteral("time"),          QStringLiteral("talker_id"),
            QStringLiteral("call_id"),       QStringLiteral("radio_id"),
            QStringLiteral("call_type"),     QStringLiteral("recording_type"),
            QStringLiteral("result")};
}

QStringList ManifestFields(const ExportedFile &file)
{
    const bool copied = file.result == ExportResult::Copied;
    const RecordRow &record = file.record;
    return {copied ? file.copy.name : QString(),
            record.filePath,
            copied ? QString::number(file.copy.size) : QString(),
            copied ? QString::fromLatin1(file.copy.sha256) : QString(),
            record.time,
            record.callingId,
            record.receiveId,
            record.radioId,
            record.callType,
            record.recordType,
            ExportResultWord(file.result)};
}

QByteArray ChecksumLine(const QString &name, const QByteArray &sha256)
{
    const QByteArray bytes = QFile::encodeName(name);
    QByteArray escaped;
    for (const char c : bytes) {
        escaped += c == '\\' ? QByteArray("\\\\")
                   : c == '\n' ? QByteArray("\\n")
                   : c == '\r' ? QByteArray("\\r")
                               : QByteArray(1, c);
    }
    // Each escape makes the name a byte longer.
    const QByteArray mark = escaped.size() == bytes.size() ? QByteArray() : QByteArray("\\");
    return mark + sha256 + "  " + escaped + '\n';
}

QString ManifestStem(const QDateTime &time, int attempt)
{
    const QString stem = time.toString(QStringLiteral("'export-'yyyyMMdd-hhmmss"));
    return attempt < 2 ? stem : stem + QLatin1Char('-') + QString::number(attempt);
}
