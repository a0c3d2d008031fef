#include "tests/support/filesnapshot.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

QString EntryLine(const QDir &root, const QFileInfo &entry)
{
    const QString relative = root.relativeFilePath(entry.filePath());
    if (entry.isSymLink())
        return relative + QStringLiteral(" -> ") + entry.symLinkTarget();
    if (entry.isDir())
        return relative + QLatin1Char('/');
    if (!entry.isFile())
        return relative + QStringLiteral(" (special file)");
    return QStringLiteral("%1 %2 bytes, modified %3, %4")
        .arg(relative)
        .arg(entry.size())
        .arg(entry.lastModified().toMSecsSinceEpoch())
        .arg(ContentHash(entry.filePath()));
}

} // namespace

QString ContentHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unreadable");
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

QStringList Snapshot(const QString &root)
{
    QStringList lines;
    const QDir::Filters everything =
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    QDirIterator entries(root, everything, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        entries.next();
        lines << EntryLine(QDir(root), entries.fileInfo());
    }
    lines.sort();
    return lines;
}

QStringList Moved(QStringList snapshot, const QString &from, const QString &to)
{
    const QString prefix = from + QLatin1Char(' ');
    for (QString &line : snapshot) {
        if (line.startsWith(prefix))
            line = to.isEmpty() ? QString() : to + line.mid(from.size());
    }
    snapshot.removeAll(QString());
    snapshot.sort();
    return snapshot;
}
