#include "records/recordfileops.h"

#include "records/exportmanifest.h"
#include "records/filemove.h"
#include "records/visiblename.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace {

constexpr int kExtensionLength = 4;

bool DeleteRecord(const QString &filePath)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("DELETE from SaveViewDisp where FilePath = ?"));
    query.addBindValue(filePath);
    return query.exec();
}

bool RenameRecord(const QString &oldPath, const QString &newName, const QString &newPath)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("update SaveViewDisp set FileName = ?, FilePath = ? where FilePath = ?"));
    query.addBindValue(newName);
    query.addBindValue(newPath);
    query.addBindValue(oldPath);
    return query.exec();
}

bool IsBlank(const QString &text)
{
    return QString(text).remove(QLatin1Char(' ')).isEmpty();
}

// A link that leads nowhere still takes its name.
bool IsNameTaken(const QString &path)
{
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

// A record keeps its path after its file vanished; no second record may take it.
bool IsPathListed(const QString &path)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("select 1 from SaveViewDisp where FilePath = ? limit 1"));
    query.addBindValue(path);
    return query.exec() && query.next();
}

} // namespace

bool IsFileValid(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool HasCheckedRecord(const QList<RecordRow> &rows)
{
    return std::any_of(rows.cbegin(), rows.cend(), [](const RecordRow &row) { return row.checked; });
}

FileIdentity ListedIdentity(const QString &filePath)
{
    QSqlQuery query;
    query.prepare(QStringLiteral(
        "select RecordIdentity.Device, RecordIdentity.Inode from SaveViewDisp "
        "join RecordIdentity on RecordIdentity.RowId = SaveViewDisp.rowid "
        "where SaveViewDisp.FilePath = ? limit 1"));
    query.addBindValue(filePath);
    if (!query.exec() || !query.next())
        return FileIdentity();
    return FileIdentity{quint64(query.value(0).toLongLong()), quint64(query.value(1).toLongLong())};
}

bool RemoveRecordingFile(const QString &path)
{
    return RemoveListedFile(path, ListedIdentity(path));
}

DeleteOutcome DeleteCheckedRecords(const QList<RecordRow> &rows)
{
    DeleteOutcome outcome;
    for (const RecordRow &row : rows) {
        if (row.checked && RemoveRecordingFile(row.filePath)) {
            if (!DeleteRecord(row.filePath))
                outcome.recordsKept = true;
            ++outcome.deletedCount;
            continue;
        }
        outcome.someRefused = outcome.someRefused || row.checked;
        outcome.keptRows.append(row);
    }
    return outcome;
}

RenameDecision CheckRename(const QString &oldPath, const QString &typedName)
{
    RenameDecision decision;
    if (IsBlank(typedName))
        return decision;
    // The name field shows the name as VisibleName does; left as shown, it
    // stands for the name itself.
    const QString baseName = QFileInfo(oldPath).completeBaseName();
    const QString name = (typedName == VisibleName(baseName) ? baseName : typedName)
                         + QStringLiteral(".wav");
    const QString candidate = QFileInfo(oldPath).path() + QLatin1Char('/') + name;
    if (candidate != oldPath && name.startsWith(QLatin1Char('.'))) {
        decision.check = RenameCheck::Hidden;
        return decision;
    }
    if (candidate != oldPath && (IsNameTaken(candidate) || IsPathListed(candidate))) {
        decision.check = RenameCheck::NameTaken;
        return decision;
    }
    decision.check = RenameCheck::Accepted;
    decision.newName = name;
    decision.newPath = candidate;
    return decision;
}

bool RenameRecording(const QString &oldPath, const QString &newName, const QString &newPath)
{
    const FileIdentity identity = ListedIdentity(oldPath);
    if (!MoveListedFile(oldPath, newPath, identity))
        return false;
    if (RenameRecord(oldPath, newName, newPath))
        return true;
    MoveListedFile(newPath, oldPath, identity);
    return false;
}

ExportPlan PlanExport(const QList<RecordRow> &rows)
{
    ExportPlan plan;
    for (const RecordRow &row : rows) {
        if (!row.checked)
            continue;
        (IsFileValid(row.filePath) ? plan.taken : plan.missing).append(row);
    }
    return plan;
}

bool IsWritableDirectory(const QString &dir)
{
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

QString WithTimeSuffix(const QString &target, const QDateTime &time)
{
    QString suffixed = target;
    return suffixed.insert(std::max(0, int(target.size()) - kExtensionLength),
                           time.toString(QStringLiteral("-yyMMddhhmmsszzz")));
}

QString FreeExportTarget(const QString &dir, const QString &fileName)
{
    const QString target = dir + QLatin1Char('/') + fileName;
    QString candidate = target;
    while (IsNameTaken(candidate))
        candidate = WithTimeSuffix(target, QDateTime::currentDateTime());
    return candidate;
}

QString FreeManifestStem(const QString &dir, const QDateTime &time)
{
    for (int attempt = 1;; ++attempt) {
        const QString stem = dir + QLatin1Char('/') + ManifestStem(time, attempt);
        if (!IsNameTaken(stem + kManifestSuffix) && !IsNameTaken(stem + kChecksumSuffix))
            return stem;
    }
}
