#include "tests/support/recordingfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <sys/stat.h>

#include <cmath>

namespace {

struct FieldOffsets
{
    int headerSize, recordType, marker, callType, channelType, recFre, sendFre, receiveID, callingID, startTime;
    int radioID; // -1: not in this layout
};

constexpr FieldOffsets kOffsets80{92, 38, 40, 56, 58, 60, 64, 68, 72, 76, -1};
constexpr FieldOffsets kOffsets85{216, 50, 52, 68, 70, 72, 76, 80, 84, 88, 96};

const FieldOffsets &OffsetsOf(RecordingLayout layout)
{
    return layout == RecordingLayout::Layout80 ? kOffsets80 : kOffsets85;
}

// Little-endian numbers and texts written into bytes at an offset.
template <typename Number>
void Put(QByteArray &bytes, int offset, Number value)
{
    qToLittleEndian(value, reinterpret_cast<uchar *>(bytes.data()) + offset);
}

void PutText(QByteArray &bytes, int offset, const QByteArray &text)
{
    bytes.replace(offset, text.size(), text);
}

} // namespace

int HeaderSize(RecordingLayout layout)
{
    return OffsetsOf(layout).headerSize;
}

QByteArray RecordingBytes(const RecordingFields &fields)
{
    const FieldOffsets &at = OffsetsOf(fields.layout);
    QByteArray header(at.headerSize, '\0');
    const int dataChunk = at.headerSize - 8;
    PutText(header, 0, "RIFF");
    Put(header, 4, quint32(dataChunk + fields.pcm.size()));
    PutText(header, 8, "WAVEfmt ");
    Put(header, 16, quint32(dataChunk - 20));
    Put(header, 20, quint16(1)); // PCM
    Put(header, 22, fields.channels);
    Put(header, 24, fields.sampleRate);
    Put(header, 28, fields.byteRate);
    Put(header, 32, quint16(fields.channels * fields.bitsPerSample / 8));
    Put(header, 34, fields.bitsPerSample);
    PutText(header, dataChunk, "data");
    Put(header, dataChunk + 4, fields.audioLength.value_or(quint32(fields.pcm.size())));
    if (fields.layout == RecordingLayout::Layout85)
        PutText(header, 40, "KVB");
    Put(header, at.recordType, fields.recordType);
    PutText(header, at.marker, fields.marker);
    Put(header, at.callType, fields.callType);
    Put(header, at.channelType, fields.channelType);
    Put(header, at.recFre, fields.recFre);
    Put(header, at.sendFre, fields.sendFre);
    Put(header, at.receiveID, fields.receiveID);
    Put(header, at.callingID, fields.callingID);
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

bool WriteRecording(const QString &path, const RecordingFields &fields)
{
    return WriteFileBytes(path, RecordingBytes(fields));
}

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
