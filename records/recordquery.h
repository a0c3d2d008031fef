#pragma once

#include "records/recordrow.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// What picks a listing's records: its " where ..." condition (empty for all
// records), the count of its records and the count of its checked records.
// Its pages are read in the order of start time (see listingpage.h).
struct ListingStatements
{
    QString condition;
    QString count;
    QString checkedCount;
};

// What the search widgets hold; the indexes are those of the call-type and
// recording-type combo boxes, filled from CallTypeFilterItems() and
// RecordTypeFilterItems().
struct SearchFilter
{
    QDateTime start;
    QDateTime end;
    QString idText;
    int recordTypeIndex = 0;
    int callTypeIndex = 0;
    QString keyword;
};

// Text inside single quotes, with its own quotes doubled, fit to be a literal
// of a statement.
QString SqlText(const QString &value);

QString BuildFilterCondition(const QString &idText, int recordTypeIndex, int callTypeIndex);
ListingStatements BuildSearchStatements(const SearchFilter &filter);
// The listing of all records shown after an import; it has no condition and
// keeps no checked-count statement of its own.
QString AllRecordsCountStatement();

// The first column of the statement's first row, 0 when it fails or yields no row.
int CountRecords(const QString &countStatement);

enum PageLoadMode {
    PageHome = 0,
    PagePrevious = 1,
    PageNext = 2,
    PageLast = 3,
    PageGoto = 4,
    PageSearch = 5,
    PageRefresh = 6,
};

struct PageState
{
    int pageSize = 200;
    int currentPage = 1;
    unsigned int totalCount = 0;
};

// Total count divided by page size, rounded up, at least 1.
int PageCount(unsigned int totalCount, int pageSize);
// The page that a request loads, or 0 when the request is refused. typedPage
// is the number in the page field, used by PageGoto only.
int RequestedPage(PageLoadMode mode, const PageState &state, int typedPage);
// The Home button reloads nothing while the first page is shown.
bool HomeButtonLoads(int currentPage);
// count moved by change, never below 0.
unsigned int MovedCount(unsigned int count, int change);

// Stores one record's mark by its file path.
void StoreCheckMark(const QString &filePath, bool checked);
// Marks checked, in one batch, the records given by pairs of name and path.
bool StoreCheckedBatch(const QStringList &fileNames, const QStringList &filePaths);
