#include "records/recordquery.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace {

constexpr int kLiveRecord = 1;
constexpr int kCallRecord = 2;
constexpr int kPrivateCall = 0;

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

QString IdPiece(const QString &idText, int recordType)
{
    const QString parties = QStringLiteral(" and (CallingID = %1 or ReceiveID = %1)");
    if (recordType == kLiveRecord)
        return parties.arg(-1);
    const qint64 id = idText.toInt();
    return parties.arg(id) + QStringLiteral(" and ChannelType != 1");
}

QString RecordTypePiece(bool hasId, int recordType, int callType)
{
    if (recordType != NoFilterCode)
        return QStringLiteral(" and RecordType = %1").arg(recordType);
    if (hasId || callType != NoFilterCode)
        return QStringLiteral(" and RecordType = %1").arg(kCallRecord);
    return QString();
}

QString CallTypePiece(int recordType, int callType)
{
    if (callType == NoFilterCode || recordType == kLiveRecord)
        return QString();
    QString piece = QStringLiteral(" and CallType = %1").arg(callType);
    if (callType == kPrivateCall)
        piece += QStringLiteral(" and ChannelType != 1");
    return piece;
}

} // namespace

QString SqlText(const QString &value)
{
    QString doubled = value;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString BuildFilterCondition(const QString &idText, int recordTypeIndex, int callTypeIndex)
{
    const int recordType = FilterCodeAt(RecordTypeFilterItems(), recordTypeIndex);
    const int callType = FilterCodeAt(CallTypeFilterItems(), callTypeIndex);
    const bool hasId = !idText.isEmpty();
    const QString idPiece = hasId ? IdPiece(idText, recordType) : QString();
    return idPiece + RecordTypePiece(hasId, recordType, callType) + CallTypePiece(recordType, callType);
}

ListingStatements BuildSearchStatements(const SearchFilter &filter)
{
    QString where = QStringLiteral(" where CreatFileTime between %1 and %2")
                        .arg(SqlText(filter.start.toString(kTimeFormat)),
                             SqlText(filter.end.toString(kTimeFormat)));
    where += BuildFilterCondition(filter.idText, filter.recordTypeIndex, filter.callTypeIndex);
    if (!filter.keyword.isEmpty())
        where += QStringLiteral(" and FileName like ") + SqlText(QLatin1Char('%') + filter.keyword + QLatin1Char('%'));

    ListingStatements statements;
    statements.condition = where;
    statements.count = QStringLiteral("select count(*) from SaveViewDisp") + where;
    statements.checkedCount = statements.count + QStringLiteral(" and FileCheck = 1 ");
    return statements;
}

QString AllRecordsCountStatement()
{
    return QStringLiteral("select COUNT(*) from SaveViewDisp");
}

int CountRecords(const QString &countStatement)
{
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!query.exec(countStatement) || !query.next())
        return 0;
    return query.value(0).toInt();
}

int PageCount(unsigned int totalCount, int pageSize)
{
    const unsigned int size = unsigned(pageSize);
    return std::max(1u, (totalCount + size - 1) / size);
}

int RequestedPage(PageLoadMode mode, const PageState &state, int typedPage)
{
    const int pages = PageCount(state.totalCount, state.pageSize);
    int page = 0;
    switch (mode) {
    case PageHome:
        return 1;
    case PagePrevious:
        page = state.currentPage < 2 ? 0 : state.currentPage - 1;
        break;
    case PageNext:
        page = pages <= state.currentPage ? 0 : state.currentPage + 1;
        break;
    case PageLast:
        page = pages;
        break;
    case PageGoto:
        page = typedPage > pages ? 0 : typedPage;
        break;
    case PageSearch:
        page = 1;
        break;
    case PageRefresh:
        // The page shown may have gone with deleted records: the last one left.
        page = std::min(state.currentPage, pages);
        break;
    default:
        return 0;
    }
    return page < 1 || page > pages ? 0 : page;
}

bool HomeButtonLoads(int currentPage)
{
    return currentPage > 1;
}

unsigned int MovedCount(unsigned int count, int change)
{
    const qint64 moved = qint64(count) + change;
    return moved < 0 ? 0u : unsigned(moved);
}

void StoreCheckMark(const QString &filePath, bool checked)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("update SaveViewDisp set FileCheck = ? where FilePath = ?"));
    query.addBindValue(checked ? 1 : 0);
    query.addBindValue(filePath);
    query.exec();
}

bool StoreCheckedBatch(const QStringList &fileNames, const QStringList &filePaths)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("update SaveViewDisp set FileCheck = 1  where FileName = ? and FilePath = ?"));
    query.addBindValue(fileNames);
    query.addBindValue(filePaths);
    if (query.execBatch(QSqlQuery::ValuesAsRows))
        return true;
    qDebug() << query.lastError();
    return false;
}
