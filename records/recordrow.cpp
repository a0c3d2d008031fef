#include "records/recordrow.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <algorithm>
#include <iterator>

namespace {

struct CodeText
{
    int code;
    const char *text;
};

const CodeText kRecordTypes[] = {
    {2, QT_TRANSLATE_NOOP("MainWindow", "Call Record")},
    {1, QT_TRANSLATE_NOOP("MainWindow", "Live Record")},
};
const char *const kOtherRecordType = QT_TRANSLATE_NOOP("MainWindow", "Other Record");

const CodeText kCallTypes[] = {
    {0, QT_TRANSLATE_NOOP("MainWindow", "Private Call")},
    {1, QT_TRANSLATE_NOOP("MainWindow", "Group Call")},
    {2, QT_TRANSLATE_NOOP("MainWindow", "All Call")},
    {16, QT_TRANSLATE_NOOP("MainWindow", "ZRN Private Call")},
    {17, QT_TRANSLATE_NOOP("MainWindow", "ZRN Group Call")},
    {18, QT_TRANSLATE_NOOP("MainWindow", "ZRN All Call")},
    {33, QT_TRANSLATE_NOOP("MainWindow", "ZRN Emergency Call")},
};
const char *const kOtherCallType = QT_TRANSLATE_NOOP("MainWindow", "Other Type");
const char *const kAllTypes = QT_TRANSLATE_NOOP("MainWindow", "All Type");

constexpr int kLiveRecord = 1;
constexpr int kChannelWithoutParties = 1;
constexpr int kChannelWithoutFrequencies = 3;

const QString kNone = QStringLiteral("-");

QString MainWindowText(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

template <std::size_t N>
QString CodeToText(const CodeText (&table)[N], const char *otherText, const QVariant &code)
{
    bool isNumber = false;
    const int value = code.toInt(&isNumber);
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [value](const CodeText &entry) { return entry.code == value; });
    const bool known = isNumber && found != std::end(table);
    return MainWindowText(known ? found->text : otherText);
}

template <std::size_t N>
QStringList TextsOf(const CodeText (&table)[N], const char *otherText)
{
    QStringList texts{MainWindowText(otherText)};
    for (const CodeText &entry : table)
        texts.append(MainWindowText(entry.text));
    return texts;
}

template <std::size_t N>
QList<FilterItem> FilterItemsOf(const CodeText (&table)[N])
{
    QList<FilterItem> items{{MainWindowText(kAllTypes), NoFilterCode}};
    for (const CodeText &entry : table)
        items.append({MainWindowText(entry.text), entry.code});
    return items;
}

// A private call is addressed to a radio, a group or an all call to a talk
// group; an emergency call may be either, and so may a call of a type not
// known.
AliasKind CallIdKind(const QVariant &callType)
{
    bool isNumber = false;
    const int code = callType.toInt(&isNumber);
    switch (isNumber ? code : -1) {
    case 0:
    case 16:
        return AliasKind::Radio;
    case 1:
    case 2:
    case 17:
    case 18:
        return AliasKind::Group;
    default:
        return AliasKind::Any;
    }
}

QString RecordRow::*const kTextFields[] = {
    &RecordRow::number,      &RecordRow::fileName,          &RecordRow::time,
    &RecordRow::duration,    &RecordRow::callingId,         &RecordRow::receiveId,
    &RecordRow::radioId,     &RecordRow::recordType,        &RecordRow::callType,
    &RecordRow::transmitFrequency, &RecordRow::receiveFrequency, &RecordRow::filePath,
};

} // namespace

const QString &RecordRow::Text(int field) const
{
    Q_ASSERT(field >= FieldNumber && field <= FieldFilePath);
    return this->*kTextFields[field - FieldNumber];
}

QString &RecordRow::Text(int field)
{
    Q_ASSERT(field >= FieldNumber && field <= FieldFilePath);
    return this->*kTextFields[field - FieldNumber];
}

RecordRow MakeRecordRow(const RecordColumns &columns, int number)
{
    RecordRow row;
    row.checked = columns[ColFileCheck].toBool();
    row.number = QString::number(number);
    row.fileName = columns[ColFileName].toString();
    row.time = columns[ColCreatFileTime].toString();
    row.duration = columns[ColRecordTime].toString();
    row.callingId = columns[ColCallingId].toString();
    row.receiveId = columns[ColReceiveId].toString();
    row.recordType = CodeToText(kRecordTypes, kOtherRecordType, columns[ColRecordType]);
    row.callType = CodeToText(kCallTypes, kOtherCallType, columns[ColCallType]);
    row.callIdKind = CallIdKind(columns[ColCallType]);
    row.transmitFrequency = columns[ColSendFre].toString();
    row.receiveFrequency = columns[ColRecFre].toString();
    row.filePath = columns[ColFilePath].toString();

    const int channelType = columns[ColChannelType].toInt();
    const bool liveRecord = columns[ColRecordType].toInt() == kLiveRecord;
    if (channelType == kChannelWithoutParties || liveRecord)
        row.callingId = row.receiveId = row.callType = kNone;
    if (channelType == kChannelWithoutFrequencies || liveRecord)
        row.transmitFrequency = row.receiveFrequency = kNone;

    row.radioId = columns[ColRadioId].toString();
    if (row.radioId == QLatin1String("0"))
        row.radioId = kNone;
    return row;
}

RecordRow MakeRecordRow(const QSqlQuery &query, int number)
{
    RecordColumns columns;
    for (int i = 0; i < int(columns.size()); ++i)
        columns[i] = query.value(i);
    return MakeRecordRow(columns, number);
}

QString IdName(const RecordRow &row, int field, const IdAliases &aliases)
{
    if (field != FieldCallingId && field != FieldReceiveId && field != FieldRadioId)
        return QString();
    bool isNumber = false;
    const quint32 id = row.Text(field).toUInt(&isNumber);
    const AliasKind kind = field == FieldReceiveId ? row.callIdKind : AliasKind::Radio;
    return isNumber ? aliases.NameOf(id, kind) : QString();
}

QString RecordCellText(const RecordRow &row, int field, const IdAliases &aliases)
{
    return NamedIdText(row.Text(field), IdName(row, field, aliases));
}

QList<FilterItem> CallTypeFilterItems()
{
    return FilterItemsOf(kCallTypes);
}

QList<FilterItem> RecordTypeFilterItems()
{
    return FilterItemsOf(kRecordTypes);
}

QStringList CodeTexts(int field)
{
    switch (field) {
    case FieldRecordType:
        return TextsOf(kRecordTypes, kOtherRecordType);
    case FieldCallType:
        return TextsOf(kCallTypes, kOtherCallType);
    default:
        return QStringList();
    }
}

int FilterCodeAt(const QList<FilterItem> &items, int index)
{
    return index >= 0 && index < items.size() ? items.at(index).code : NoFilterCode;
}
