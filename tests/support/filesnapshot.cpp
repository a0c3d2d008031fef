#include "tests/support/filesnapshot.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>

static QString EntryLine(const QDir &root, const QFileInfo &entry)
{
    const QString relative = root.relativeFilePath(entry.filePath());
    return entry.isSymLink() ? relative + QStringLiteral(" -> ") + entry.symLinkTarget()
           : entry.isDir()   ? relative + QLatin1Char('/')
           : !entry.isFile() ? relative + QStringLiteral(" (special file)")
                             : QStringLiteral("%1 %2 bytes, modified %3, %4").arg(relative).arg(entry.size())
                                   .arg(entry.lastModified().toMSecsSinceEpoch()).arg(ContentHash(entry.filePath()));
}

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
    for (QDirIterator entries(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories); entries.hasNext();)
        lines << EntryLine(QDir(root), QFileInfo(entries.next()));
    lines.sort();
    return lines;
}

QStringList Moved(QStringList snapshot, const QString &from, const QString &to)
{
    for (QString &line : snapshot) {
        if (line.startsWith(from + QLatin1Char(' ')))
            line = to.isEmpty() ? QString() : to + line.mid(from.size());
    }
    snapshot.removeAll(QString());
    snapshot.sort();
    return snapshot;
}
