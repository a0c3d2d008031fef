#pragma once

#include "records/recordrow.h"

#include <QList>
#include <QString>
#include <QVariant>

// A listing is read in the order of start time, then rowid, so that records
// with equal start times keep the order they were inserted in. A page is not
// found by stepping over every record before it: it is read from the nearest
// known place, the listing's first or last record or the first record of the
// page shown, skipping only the records in between (through the index on the
// start time when there is one).

// Where the page shown starts: the number of records of the listing before
// it and the order key of its first record. The records before a page stay
// as they were while it is shown (deleting and renaming touch the page's own
// records only), so this stays a valid place to read from until the listing
// is replaced.
struct PageStart
{
    int recordsBefore = -1; // -1: no known place (an empty page, or none read yet)
    QVariant startTime;
    qint64 rowId = 0;

    bool IsKnown() const { return recordsBefore >= 0; }
};

enum class PageOrigin {
    ListingFirst, // forward from the listing's first record
    Known,        // forward from the first record of the page shown
    BeforeKnown,  // backward from the record before the page shown
    ListingLast,  // backward from the listing's last record
};

// A backward read yields the page's records last first.
bool ReadsBackward(PageOrigin origin);
// A read from the page shown binds that page's start key.
bool StartsAtKnown(PageOrigin origin);

// How one page is read: from where, how many records are skipped there, how
// many are read.
struct PageRead
{
    PageOrigin origin = PageOrigin::ListingFirst;
    int skip = 0;
    int count = 0;
};

// The read of `page` (from 1) of a listing of totalCount records that skips
// the fewest records.
PageRead PlanPageRead(unsigned int totalCount, int pageSize, int page, const PageStart &shown);

// The statement of a read from origin; condition is the listing's
// " where ..." text (empty for all records). It binds, in this order, the
// start key (start time, rowid) for Known and BeforeKnown, then the count
// and the skip. Its rows are the columns of `select *`, then the rowid.
QString PageReadStatement(const QString &condition, PageOrigin origin);

struct ListingPage
{
    QList<RecordRow> rows; // numbered from 1
    PageStart start;
};

ListingPage ReadListingPage(const QString &condition, unsigned int totalCount, int pageSize,
                            int page, const PageStart &shown);
