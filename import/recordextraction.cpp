#include "import/recordextraction.h"

#include "import/qwavfileheader.h"
#include "import/qwavfileheaderlayout.h"
#include "import/recordingopen.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QVariant>

#include <algorithm>
#include <array>

namespace {

QString TwoDigits(qint64 number)
{
    return QString::number(number).rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString StartTimeText(const QWavFileHeader &header)
{
    return QStringLiteral("20%1-%2-%3 %4:%5:%6")
        .arg(TwoDigits(header.GetYear()), TwoDigits(header.GetMonth()),
             TwoDigits(header.GetDay()), TwoDigits(header.GetHour()),
             TwoDigits(header.GetMinute()), TwoDigits(header.GetSecond()));
}

QString RecordTimeText(qint32 seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(TwoDigits(seconds / 3600), TwoDigits(seconds / 60 % 60), TwoDigits(seconds % 60));
}

ExtractedRecord MakeRecord(const QWavFileHeader &header, const QString &fileName,
                           const QString &filePath)
{
    ExtractedRecord record;
    record.fileName = fileName;
    record.startTime = StartTimeText(header);
    record.recordTime = RecordTimeText(header.GetRecordSeconds());
    record.callingID = header.GetCallingID();
    record.receiveID = header.GetReceiveID();
    record.recordType = header.GetRecordType();
    record.callType = header.GetCallType();
    record.sendFre = header.GetSendFre();
    record.recFre = header.GetRecFre();
    record.filePath = filePath;
    record.channelType = header.GetChannelType();
    record.radioID = header.GetRadioID();
    return record;
}

std::optional<ExtractedRecord> ExtractRecord(QWavFileHeader &holder, const QByteArray &firstBytes,
                                             const QString &fileName, const QString &filePath)
{
    std::array<char, kWavHeaderPeekSize> buffer{};
    std::copy_n(firstBytes.constData(), std::min<int>(firstBytes.size(), buffer.size()),
                buffer.begin());

    if (firstBytes.size() < QWavFileHeader::LayoutSize(buffer.data()))
        return std::nullopt;
    holder.Create(buffer.data());
    std::optional<ExtractedRecord> record;
    if (holder.IsValid())
        record = MakeRecord(holder, fileName, filePath);
    holder.Release();
    return record;
}

std::optional<ExtractedRecord> ReadRecording(QWavFileHeader &holder, const QString &fileName,
                                             const QString &filePath, int *failure)
{
    std::array<char, kWavHeaderPeekSize> firstBytes{};
    const RecordingStart start = ReadRecordingStart(filePath, firstBytes.data(), firstBytes.size());
    if (failure)
        *failure = start.failure;
    if (start.count < 0)
        return std::nullopt;
    std::optional<ExtractedRecord> record = ExtractRecord(
        holder, QByteArray::fromRawData(firstBytes.data(), int(start.count)), fileName, filePath);
    if (record)
        record->identity = start.identity;
    return record;
}

RecordInserter::RecordInserter(const QSqlDatabase &database)
    : m_query(database)
    , m_identityQuery(database)
{
    m_identityQuery.prepare(QStringLiteral(
        "insert or replace into RecordIdentity values(last_insert_rowid(), ?, ?)"));
    m_query.prepare(QStringLiteral(
        " insert into SaveViewDisp ([FileCheck],[FileName],[CreatFileTime],[RecordTime],"
        "[CallingID],[ReceiveID],[RecordType],[CallType],[SendFre],[RecFre],[FilePath],"
        "[ChannelType],[RadioID]) values('0',?,?,?,?,?,?,?,?,?,?,?,?)"));
}

bool RecordInserter::Insert(const ExtractedRecord &record)
{
    const QVariant values[] = {
        record.fileName,
        record.startTime,
        record.recordTime,
        record.callingID,
        record.receiveID,
        uint(record.recordType),
        uint(record.callType),
        record.sendFre,
        record.recFre,
        record.filePath,
        uint(record.channelType),
        record.radioID,
    };
    int position = 0;
    for (const QVariant &value : values)
        m_query.bindValue(position++, value);
    if (!m_query.exec())
        return false;
    m_identityQuery.bindValue(0, qint64(record.identity.device));
    m_identityQuery.bindValue(1, qint64(record.identity.inode));
    return m_identityQuery.exec();
}

QString RecordInserter::Error() const
{
    return m_query.lastError().isValid() ? m_query.lastError().databaseText()
                                         : m_identityQuery.lastError().databaseText();
}
