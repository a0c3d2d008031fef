#pragma once

#include "import/qwavfileheaderbase.h"

#include <array>

// Size of the buffer that a recording's first bytes are read into.
constexpr int kWavHeaderPeekSize = 216;

// Where one layout keeps its fields (byte offsets from the start of the file).
struct WavHeaderOffsets
{
    int recordType;
    int marker;
    int callType;
    int channelType;
    int recFre;
    int sendFre;
    int receiveID;
    int callingID;
    int startTime; // year, month, day, hour, minute, second: one byte each
    int audioLength;
};

// The length in whole seconds of audioBytes at byteRate bytes per second:
// 0 for a byte rate of 0, at most the largest signed 32-bit value.
qint32 RecordSecondsOf(quint32 audioBytes, quint32 byteRate);

// Reads the fields of one layout out of a copy of the first Size bytes.
template <int Size>
class QWavFileHeaderLayout : public QWavFileHeaderBase
{
public:
    static constexpr int kSize = Size;

    bool IsValid() const override;
    quint8 GetYear() const override;
    quint8 GetMonth() const override;
    quint8 GetDay() const override;
    quint8 GetHour() const override;
    quint8 GetMinute() const override;
    quint8 GetSecond() const override;
    qint32 GetRecordSeconds() const override;
    quint32 GetCallingID() const override;
    quint32 GetReceiveID() const override;
    quint16 GetRecordType() const override;
    quint16 GetCallType() const override;
    quint32 GetSendFre() const override;
    quint32 GetRecFre() const override;
    quint16 GetChannelType() const override;

protected:
    // buffer holds at least Size bytes.
    QWavFileHeaderLayout(const char *buffer, const WavHeaderOffsets &offsets);

    quint8 ReadU8(int offset) const;
    quint16 ReadU16(int offset) const;
    quint32 ReadU32(int offset) const;

private:
    std::array<uchar, Size> m_bytes{};
    const WavHeaderOffsets &m_offsets;
};

extern template class QWavFileHeaderLayout<92>;
extern template class QWavFileHeaderLayout<216>;
