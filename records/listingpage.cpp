#include "records/listingpage.h"

#include <QSqlQuery>

#include <algorithm>

namespace {

constexpr int kRowIdColumn = ColRadioId + 1;

QString KeyCondition(PageOrigin origin)
{
    switch (origin) {
    case PageOrigin::Known:
        return QStringLiteral("(CreatFileTime, rowid) >= (?, ?)");
    case PageOrigin::BeforeKnown:
        return QStringLiteral("(CreatFileTime, rowid) < (?, ?)");
    default:
        return QString();
    }
}

// A null start time takes no part in comparisons, so a page starting at one
// is no place to read from.
PageStart StartOf(const QSqlQuery &query, int recordsBefore)
{
    PageStart start;
    start.startTime = query.value(ColCreatFileTime);
    if (start.startTime.isNull())
        return start;
    start.recordsBefore = recordsBefore;
    start.rowId = query.value(kRowIdColumn).toLongLong();
    return start;
}

} // namespace

bool ReadsBackward(PageOrigin origin)
{
    return origin == PageOrigin::BeforeKnown || origin == PageOrigin::ListingLast;
}

bool StartsAtKnown(PageOrigin origin)
{
    return origin == PageOrigin::Known || origin == PageOrigin::BeforeKnown;
}

PageRead PlanPageRead(unsigned int totalCount, int pageSize, int page, const PageStart &shown)
{
    const qint64 first = qint64(page - 1) * pageSize;
    const qint64 count = std::clamp<qint64>(qint64(totalCount) - first, 0, pageSize);
    const qint64 afterPage = qint64(totalCount) - first - count;

    PageRead best{PageOrigin::ListingFirst, int(first), int(count)};
    const auto consider = [&best](PageOrigin origin, qint64 skip) {
        if (skip >= 0 && skip < best.skip)
            best = PageRead{origin, int(skip), best.count};
    };
    if (shown.IsKnown()) {
        consider(PageOrigin::Known, first - shown.recordsBefore);
        consider(PageOrigin::BeforeKnown, shown.recordsBefore - first - count);
    }
    consider(PageOrigin::ListingLast, afterPage);
    return best;
}

QString PageReadStatement(const QString &condition, PageOrigin origin)
{
    QString statement = QStringLiteral("select *, rowid from SaveViewDisp") + condition;
    const QString key = KeyCondition(origin);
    if (!key.isEmpty())
        statement += (condition.isEmpty() ? QStringLiteral(" where ") : QStringLiteral(" and ")) + key;
    statement += ReadsBackward(origin)
                     ? QStringLiteral(" order by CreatFileTime desc, rowid desc")
                     : QStringLiteral(" order by CreatFileTime, rowid");
    return statement + QStringLiteral(" limit ? offset ?");
}

ListingPage ReadListingPage(const QString &condition, unsigned int totalCount, int pageSize,
                            int page, const PageStart &shown)
{
    ListingPage result;
    const PageRead read = PlanPageRead(totalCount, pageSize, page, shown);
    if (read.count == 0)
        return result;

    QSqlQuery query;
    query.setForwardOnly(true);
    query.prepare(PageReadStatement(condition, read.origin));
    if (StartsAtKnown(read.origin)) {
        query.addBindValue(shown.startTime);
        query.addBindValue(shown.rowId);
    }
    query.addBindValue(read.count);
    query.addBindValue(read.skip);
    if (!query.exec())
        return result;

    const bool backward = ReadsBackward(read.origin);
    const int recordsBefore = (page - 1) * pageSize;
    QList<RecordRow> &rows = result.rows;
    rows.reserve(read.count);
    while (query.next()) {
        rows.append(MakeRecordRow(query, rows.size() + 1));
        // A backward read meets the page's first record last.
        if (backward || rows.size() == 1)
            result.start = StartOf(query, recordsBefore);
    }
    if (backward) {
        std::reverse(rows.begin(), rows.end());
        for (int i = 0; i < rows.size(); ++i)
            rows[i].number = QString::number(i + 1);
    }
    return result;
}
