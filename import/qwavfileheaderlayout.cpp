#include "import/qwavfileheaderlayout.h"

#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

constexpr char kMarker[] = "radio_recorder";
constexpr int kMarkerSize = sizeof(kMarker) - 1;
constexpr int kByteRateOffset = 28;

} // namespace

qint32 RecordSecondsOf(quint32 audioBytes, quint32 byteRate)
{
    if (byteRate == 0)
        return 0;
    const double seconds = static_cast<double>(audioBytes) / static_cast<double>(byteRate);
    constexpr double largest = std::numeric_limits<qint32>::max();
    return seconds >= largest ? std::numeric_limits<qint32>::max() : static_cast<qint32>(seconds);
}

template <int Size>
QWavFileHeaderLayout<Size>::QWavFileHeaderLayout(const char *buffer,
                                                 const WavHeaderOffsets &offsets)
    : m_offsets(offsets)
{
    std::memcpy(m_bytes.data(), buffer, Size);
}

template <int Size>
quint8 QWavFileHeaderLayout<Size>::ReadU8(int offset) const
{
    return m_bytes[offset];
}

template <int Size>
quint16 QWavFileHeaderLayout<Size>::ReadU16(int offset) const
{
    return qFromLittleEndian<quint16>(m_bytes.data() + offset);
}

template <int Size>
quint32 QWavFileHeaderLayout<Size>::ReadU32(int offset) const
{
    return qFromLittleEndian<quint32>(m_bytes.data() + offset);
}

template <int Size>
bool QWavFileHeaderLayout<Size>::IsValid() const
{
    return std::memcmp(m_bytes.data() + m_offsets.marker, kMarker, kMarkerSize) == 0;
}

template <int Size>
quint8 QWavFileHeaderLayout<Size>::GetYear() const
{
    return ReadU8(m_offsets.startTime);
}

template <int Size>
quint8 QWavFileHeaderLayout<Size>::GetMonth() const
{
    return ReadU8(m_offsets.startTime + 1);
}

template <int Size>
quint8 QWavFileHeaderLayout<Size>::GetDay() const
{
    return ReadU8(m_offsets.startTime + 2);
}

template <int Size>
quint8 QWavFileHeaderLayout<Size>::GetHour() const
{
    return ReadU8(m_offsets.startTime + 3);
}

template <int Size>
quint8 QWavFileHeaderLayout<Size>::GetMinute() const
{
    return ReadU8(m_offsets.startTime + 4);
}

template <int Size>
quint8 QWavFileHeaderLayout<Size>::GetSecond() const
{
    return ReadU8(m_offsets.startTime + 5);
}

template <int Size>
qint32 QWavFileHeaderLayout<Size>::GetRecordSeconds() const
{
    return RecordSecondsOf(ReadU32(m_offsets.audioLength), ReadU32(kByteRateOffset));
}

template <int Size>
quint32 QWavFileHeaderLayout<Size>::GetCallingID() const
{
    return ReadU32(m_offsets.callingID);
}

template <int Size>
quint32 QWavFileHeaderLayout<Size>::GetReceiveID() const
{
    return ReadU32(m_offsets.receiveID);
}

template <int Size>
quint16 QWavFileHeaderLayout<Size>::GetRecordType() const
{
    return ReadU16(m_offsets.recordType);
}

template <int Size>
quint16 QWavFileHeaderLayout<Size>::GetCallType() const
{
    return ReadU16(m_offsets.callType);
}

template <int Size>
quint32 QWavFileHeaderLayout<Size>::GetSendFre() const
{
    return ReadU32(m_offsets.sendFre);
}

template <int Size>
quint32 QWavFileHeaderLayout<Size>::GetRecFre() const
{
    return ReadU32(m_offsets.recFre);
}

template <int Size>
quint16 QWavFileHeaderLayout<Size>::GetChannelType() const
{
    return ReadU16(m_offsets.channelType);
}

template class QWavFileHeaderLayout<92>;
template class QWavFileHeaderLayout<216>;
