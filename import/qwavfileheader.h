#pragma once

#include "import/qwavfileheaderbase.h"

#include <memory>

// Holds the header of one recording in the layout that its bytes call for.
// An empty holder is not valid and answers 0 for every field.
class QWavFileHeader
{
public:
    QWavFileHeader();
    ~QWavFileHeader();
    QWavFileHeader(const QWavFileHeader &) = delete;
    QWavFileHeader &operator=(const QWavFileHeader &) = delete;

    // buffer: the first 216 bytes of the file, zero past its end. "KVB" at
    // bytes 40 to 42 selects layout 85, anything else layout 80. A null
    // buffer leaves the holder as it is.
    void Create(const char *buffer);
    // The number of bytes that the layout chosen for buffer reads its fields
    // from: a file shorter than that holds no complete header.
    static int LayoutSize(const char *buffer);
    void Release();

    bool IsValid() const { return Forward(&QWavFileHeaderBase::IsValid); }
    quint8 GetYear() const { return Forward(&QWavFileHeaderBase::GetYear); }
    quint8 GetMonth() const { return Forward(&QWavFileHeaderBase::GetMonth); }
    quint8 GetDay() const { return Forward(&QWavFileHeaderBase::GetDay); }
    quint8 GetHour() const { return Forward(&QWavFileHeaderBase::GetHour); }
    quint8 GetMinute() const { return Forward(&QWavFileHeaderBase::GetMinute); }
    quint8 GetSecond() const { return Forward(&QWavFileHeaderBase::GetSecond); }
    qint32 GetRecordSeconds() const { return Forward(&QWavFileHeaderBase::GetRecordSeconds); }
    quint32 GetCallingID() const { return Forward(&QWavFileHeaderBase::GetCallingID); }
    quint32 GetReceiveID() const { return Forward(&QWavFileHeaderBase::GetReceiveID); }
    quint16 GetRecordType() const { return Forward(&QWavFileHeaderBase::GetRecordType); }
    quint16 GetCallType() const { return Forward(&QWavFileHeaderBase::GetCallType); }
    quint32 GetSendFre() const { return Forward(&QWavFileHeaderBase::GetSendFre); }
    quint32 GetRecFre() const { return Forward(&QWavFileHeaderBase::GetRecFre); }
    quint16 GetChannelType() const { return Forward(&QWavFileHeaderBase::GetChannelType); }
    quint32 GetRadioID() const { return Forward(&QWavFileHeaderBase::GetRadioID); }

private:
    template <typename Field>
    Field Forward(Field (QWavFileHeaderBase::*accessor)() const) const
    {
        return m_header ? (m_header.get()->*accessor)() : Field{};
    }

    std::unique_ptr<QWavFileHeaderBase> m_header;
};
