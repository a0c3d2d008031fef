#include "tests/support/recordingfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cmath>

namespace {

struct FieldOffsets
{
    int headerSize;
    int recordType;
    int marker;
    int callType;
    int channelType;
    int recFre;
    int sendFre;
    int receiveID;
    int callingID;
    int startTime;
    int radioID; // -1: not in this layout
};

constexpr FieldOffsets kOffsets80{92, 38, 40, 56, 58, 60, 64, 68, 72, 76, -1};
constexpr FieldOffsets kOffsets85{216, 50, 52, 68, 70, 72, 76, 80, 84, 88, 96};

const FieldOffsets &OffsetsOf(RecordingLayout layout)
{
    return layout == RecordingLayout::Layout80 ? kOffsets80 : kOffsets85;
}

class ByteWriter
{
public:
    explicit ByteWriter(QByteArray &bytes) : m_bytes(bytes) {}

    void Text(int offset, const QByteArray &text) { m_bytes.replace(offset, text.size(), text); }
    void U8(int offset, quint8 value) { m_bytes[offset] = char(value); }
    void U16(int offset, quint16 value) { qToLittleEndian(value, Data(offset)); }
    void U32(int offset, quint32 value) { qToLittleEndian(value, Data(offset)); }

private:
    uchar *Data(int offset) { return reinterpret_cast<uchar *>(m_bytes.data()) + offset; }

    QByteArray &m_bytes;
};

void WriteRiffFrame(ByteWriter &writer, const RecordingFields &fields, int headerSize,
                    quint32 audioLength)
{
    const int dataChunk = headerSize - 8;
    writer.Text(0, "RIFF");
    writer.U32(4, quint32(headerSize - 8 + fields.pcm.size()));
    writer.Text(8, "WAVE");
    writer.Text(12, "fmt ");
    writer.U32(16, quint32(dataChunk - 20));
    writer.U16(20, 1); // PCM
    writer.U16(22, fields.channels);
    writer.U32(24, fields.sampleRate);
    writer.U32(28, fields.byteRate);
    writer.U16(32, quint16(fields.channels * fields.bitsPerSample / 8));
    writer.U16(34, fields.bitsPerSample);
    writer.Text(dataChunk, "data");
    writer.U32(dataChunk + 4, audioLength);
}

void WriteMetadata(ByteWriter &writer, const RecordingFields &fields, const FieldOffsets &at)
{
    if (fields.layout == RecordingLayout::Layout85)
        writer.Text(40, "KVB");
    writer.U16(at.recordType, fields.recordType);
    writer.Text(at.marker, fields.marker);
    writer.U16(at.callType, fields.callType);
    writer.U16(at.channelType, fields.channelType);
    writer.U32(at.recFre, fields.recFre);
    writer.U32(at.sendFre, fields.sendFre);
    writer.U32(at.receiveID, fields.receiveID);
    writer.U32(at.callingID, fields.callingID);
    const quint8 startTime[] = {fields.year, fields.month, fields.day,
                                fields.hour, fields.minute, fields.second};
    for (int i = 0; i < 6; ++i)
        writer.U8(at.startTime + i, startTime[i]);
    if (at.radioID >= 0)
        writer.U32(at.radioID, fields.radioID);
}

} // namespace

int HeaderSize(RecordingLayout layout)
{
    return OffsetsOf(layout).headerSize;
}

QByteArray RecordingBytes(const RecordingFields &fields)
{
    const FieldOffsets &offsets = OffsetsOf(fields.layout);
    QByteArray header(offsets.headerSize, '\0');
    ByteWriter writer(header);
    WriteRiffFrame(writer, fields, offsets.headerSize,
                   fields.audioLength.value_or(quint32(fields.pcm.size())));
    WriteMetadata(writer, fields, offsets);
    return header + fields.pcm;
}

QByteArray SinePcm(int milliseconds, int frequencyHz, quint32 sampleRate)
{
    const int samples = int(qint64(sampleRate) * milliseconds / 1000);
    QByteArray pcm(samples * 2, '\0');
    auto *data = reinterpret_cast<uchar *>(pcm.data());
    for (int i = 0; i < samples; ++i) {
        const double phase = 2.0 * M_PI * frequencyHz * i / sampleRate;
        qToLittleEndian(qint16(std::lround(12000.0 * std::sin(phase))), data + 2 * i);
    }
    return pcm;
}

bool WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}

bool WriteRecording(const QString &path, const RecordingFields &fields)
{
    return WriteFileBytes(path, RecordingBytes(fields));
}
