#pragma once

#include "import/recordingopen.h"

#include <QByteArray>
#include <QSqlQuery>
#include <QString>

#include <optional>

class QSqlDatabase;
class QWavFileHeader;

// What one valid recording puts into its row of SaveViewDisp; FileCheck is
// always 0 and not kept here.
struct ExtractedRecord
{
    QString fileName;
    QString startTime;  // CreatFileTime, "yyyy-MM-dd hh:mm:ss" from the bytes as stored
    QString recordTime; // RecordTime, "hh:mm:ss", hours not limited to two digits
    quint32 callingID = 0;
    quint32 receiveID = 0;
    quint16 recordType = 0;
    quint16 callType = 0;
    quint32 sendFre = 0;
    quint32 recFre = 0;
    QString filePath;
    quint16 channelType = 0;
    quint32 radioID = 0;
    FileIdentity identity; // not a column of SaveViewDisp: kept beside the row
};

// "20" and the year byte, then month, day, hour, minute, second, each at least
// two digits: 24/3/7 9:05:03 gives "2024-03-07 09:05:03".
QString StartTimeText(const QWavFileHeader &header);

// 3725 gives "01:02:05", 360000 gives "100:00:00".
QString RecordTimeText(qint32 seconds);

// The record of a valid header.
ExtractedRecord MakeRecord(const QWavFileHeader &header, const QString &fileName,
                           const QString &filePath);

// The record of the header held in the first bytes of a file when it is
// valid and complete: fewer bytes than its layout reads its fields from are
// no recording. The holder is empty afterwards.
std::optional<ExtractedRecord> ExtractRecord(QWavFileHeader &holder, const QByteArray &firstBytes,
                                             const QString &fileName, const QString &filePath);

// Reads the first bytes of filePath through holder; the record, with the
// identity of the file read, when the file can be read and its header is
// valid. The holder is empty afterwards. failure receives the error of a read
// that failed for a machine failure, else 0 (see IsMachineFailure).
std::optional<ExtractedRecord> ReadRecording(QWavFileHeader &holder, const QString &fileName,
                                             const QString &filePath, int *failure = nullptr);

// The insert of one record into SaveViewDisp, with its file's identity into
// RecordIdentity, prepared once on a connection and run for every record;
// values are bound, never pasted into the text.
class RecordInserter
{
public:
    explicit RecordInserter(const QSqlDatabase &database);

    bool Insert(const ExtractedRecord &record);
    // The database's reason for the last insert that failed.
    QString Error() const;

private:
    QSqlQuery m_query;
    QSqlQuery m_identityQuery;
};
