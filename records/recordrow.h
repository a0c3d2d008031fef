#pragma once

#include "records/idaliases.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>

class QSqlQuery;

// Positions of the texts of a RecordRow; the table model shows field c in
// column c.
enum RecordField {
    FieldNumber = 1,
    FieldFileName,
    FieldTime,
    FieldDuration,
    FieldCallingId,
    FieldReceiveId,
    FieldRadioId,
    FieldRecordType,
    FieldCallType,
    FieldTransmitFrequency,
    FieldReceiveFrequency,
    FieldFilePath,
};

// One record of SaveViewDisp as the record list holds it: the check mark and
// the twelve texts shown (or, for the file path, used as the record's key).
struct RecordRow
{
    bool checked = false;
    QString number;
    QString fileName;
    QString time;
    QString duration;
    QString callingId;
    QString receiveId;
    QString radioId;
    QString recordType;
    QString callType;
    QString transmitFrequency; // SendFre
    QString receiveFrequency;  // RecFre
    QString filePath;
    // What the Call ID names: a radio, a group, or either where the call
    // type does not tell.
    AliasKind callIdKind = AliasKind::Any;

    // field: FieldNumber .. FieldFilePath
    const QString &Text(int field) const;
    QString &Text(int field);
};

// The columns of SaveViewDisp in table order, as `select *` yields them.
enum RecordColumn {
    ColFileCheck,
    ColFileName,
    ColCreatFileTime,
    ColRecordTime,
    ColCallingId,
    ColReceiveId,
    ColRecordType,
    ColCallType,
    ColSendFre,
    ColRecFre,
    ColFilePath,
    ColChannelType,
    ColRadioId,
};

// The thirteen columns of one record.
using RecordColumns = std::array<QVariant, 13>;

// Makes the row numbered `number` on its page; the code texts are translated
// in the context "MainWindow".
RecordRow MakeRecordRow(const RecordColumns &columns, int number);
// Reads the query's current row of `select * from SaveViewDisp ...`.
RecordRow MakeRecordRow(const QSqlQuery &query, int number);

// The name of the ID that the row shows in field (FieldCallingId,
// FieldReceiveId or FieldRadioId); empty for another field, an ID without a
// name, or "-". Talker and radio IDs name radios.
QString IdName(const RecordRow &row, int field, const IdAliases &aliases);
// The text the record table shows in field: "name (id)" for a named ID, else
// the row's text.
QString RecordCellText(const RecordRow &row, int field, const IdAliases &aliases);

// Every text that field (FieldRecordType or FieldCallType) may show for a
// code, in the current language; none for another field.
QStringList CodeTexts(int field);

// An item of a filter combo box, translated in the context "MainWindow": its text and the code it filters on
// (NoFilterCode for "All Type").
struct FilterItem
{
    QString text;
    int code;
};

constexpr int NoFilterCode = -1;

QList<FilterItem> CallTypeFilterItems();
QList<FilterItem> RecordTypeFilterItems();

// The code of the item at index, NoFilterCode when the index is out of range.
int FilterCodeAt(const QList<FilterItem> &items, int index);
