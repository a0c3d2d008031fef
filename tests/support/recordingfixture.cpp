#include "tests/support/recordingfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <sys/stat.h>

#include <cmath>

// Where a layout keeps its fields; radioID -1 where it has none.
struct FieldOffsets { int headerSize, recordType, marker, callType, channelType, recFre, sendFre, receiveID, callingID, startTime, radioID; };
static constexpr FieldOffsets kOffsets80{92, 38, 40, 56, 58, 60, 64, 68, 72, 76, -1};
static constexpr FieldOffsets kOffsets85{216, 50, 52, 68, 70, 72, 76, 80, 84, 88, 96};
static const FieldOffsets &OffsetsOf(RecordingLayout layout) { return layout == RecordingLayout::Layout80 ? kOffsets80 : kOffsets85; }

// Little-endian numbers and texts written into bytes at an offset.
template <typename Number>
static void Put(QByteArray &bytes, int offset, Number value) { qToLittleEndian(value, reinterpret_cast<uchar *>(bytes.data()) + offset); }
static void PutText(QByteArray &bytes, int offset, const QByteArray &text) { bytes.replace(offset, text.size(), text); }

int HeaderSize(RecordingLayout layout) { return OffsetsOf(layout).headerSize; }

QByteArray RecordingBytes(const RecordingFields &fields)
{
    const FieldOffsets &at = OffsetsOf(fields.layout);
    QByteArray header(at.headerSize, '\0');
    const int dataChunk = at.headerSize - 8;
    const quint16 blockAlign = quint16(fields.channels * fields.bitsPerSample / 8);
    PutText(header, 0, "RIFF");
    PutText(header, 8, "WAVEfmt ");
    PutText(header, dataChunk, "data");
    if (fields.layout == RecordingLayout::Layout85)
        PutText(header, 40, "KVB");
    for (const auto &[offset, value] : std::initializer_list<std::pair<int, quint16>>{
             {20, 1 /* PCM */}, {22, fields.channels}, {32, blockAlign}, {34, fields.bitsPerSample},
             {at.recordType, fields.recordType}, {at.callType, fields.callType}, {at.channelType, fields.channelType}})
        Put(header, offset, value);
    for (const auto &[offset, value] : std::initializer_list<std::pair<int, quint32>>{
             {4, quint32(dataChunk + fields.pcm.size())}, {16, quint32(dataChunk - 20)}, {24, fields.sampleRate},
             {28, fields.byteRate}, {dataChunk + 4, fields.audioLength.value_or(quint32(fields.pcm.size()))},
             {at.recFre, fields.recFre}, {at.sendFre, fields.sendFre}, {at.receiveID, fields.receiveID}, {at.callingID, fields.callingID}})
        Put(header, offset, value);
    PutText(header, at.marker, fields.marker);
    const char startTime[] = {char(fields.year), char(fields.month), char(fields.day), char(fields.hour), char(fields.minute), char(fields.second)};
    PutText(header, at.startTime, QByteArray(startTime, 6));
    if (at.radioID >= 0)
        Put(header, at.radioID, fields.radioID);
    return header + fields.pcm;
}

QByteArray SinePcm(int milliseconds, int frequencyHz, quint32 sampleRate)
{
    const int samples = int(qint64(sampleRate) * milliseconds / 1000);
    QByteArray pcm(samples * 2, '\0');
    for (int i = 0; i < samples; ++i)
        Put(pcm, 2 * i, qint16(std::lround(12000.0 * std::sin(2.0 * M_PI * frequencyHz * i / sampleRate))));
    return pcm;
}

bool WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool WriteRecording(const QString &path, const RecordingFields &fields) { return WriteFileBytes(path, RecordingBytes(fields)); }

bool MakeEntry(const QString &kind, const QString &path)
{
    if (kind.startsWith("link:"))
        return MakeEntry(kind.mid(5), path + ".real") && QFile::link(path + ".real", path);
    RecordingFields differing;
    differing.pcm = path.toUtf8();
    if (kind == "recording" || kind == "empty")
        return WriteFileBytes(path, kind == "empty" ? QByteArray() : RecordingBytes(differing));
    if (kind == "folder")
        return QDir().mkpath(path);
    if (kind == "fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return kind == "dangling" ? QFile::link(path + ".gone", path) : kind == "missing";
}
