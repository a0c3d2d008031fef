#include "recorddatabase.h"

#include "store/schema.h"

#include <QSqlQuery>
#include <QVariant>

RecordDatabase::RecordDatabase()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(m_dir.filePath(QStringLiteral("records.db")));
    m_ready = m_dir.isValid() && db.open() && QSqlQuery().exec(SaveViewDispCreateStatement());
}

RecordDatabase::~RecordDatabase()
{
    QSqlDatabase::database().close();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
}

bool RecordDatabase::Insert(const QList<TestRecord> &records)
{
    QSqlDatabase db = QSqlDatabase::database();
    db.transaction();
    QSqlQuery query;
    query.prepare(QStringLiteral("insert into SaveViewDisp values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    bool inserted = true;
    for (const TestRecord &r : records) {
        const QVariantList values{r.checked ? 1 : 0, r.fileName, r.time, r.duration,
                                  r.callingId, r.receiveId, r.recordType, r.callType,
                                  r.sendFre, r.recFre, r.filePath, r.channelType, r.radioId};
        for (const QVariant &value : values)
            query.addBindValue(value);
        inserted = query.exec() && inserted;
    }
    return db.commit() && inserted;
}

QStringList RecordDatabase::FilePaths(bool checkedOnly) const
{
    QSqlQuery query(checkedOnly ? QStringLiteral("select FilePath from SaveViewDisp where FileCheck = 1")
                                : QStringLiteral("select FilePath from SaveViewDisp"));
    QStringList paths;
    while (query.next())
        paths.append(query.value(0).toString());
    return paths;
}

int RecordDatabase::Count(const QString &where) const
{
    QSqlQuery query(QStringLiteral("select count(*) from SaveViewDisp ") + where);
    return query.next() ? query.value(0).toInt() : -1;
}
