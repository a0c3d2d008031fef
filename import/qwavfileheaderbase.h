#pragma once

#include <QtGlobal>

// The fields of a recording's metadata block, whatever its layout.
class QWavFileHeaderBase
{
public:
    virtual ~QWavFileHeaderBase() = default;

    virtual bool IsValid() const = 0;
    virtual quint8 GetYear() const = 0;
    virtual quint8 GetMonth() const = 0;
    virtual quint8 GetDay() const = 0;
    virtual quint8 GetHour() const = 0;
    virtual quint8 GetMinute() const = 0;
    virtual quint8 GetSecond() const = 0;
    virtual qint32 GetRecordSeconds() const = 0;
    virtual quint32 GetCallingID() const = 0;
    virtual quint32 GetReceiveID() const = 0;
    virtual quint16 GetRecordType() const = 0;
    virtual quint16 GetCallType() const = 0;
    virtual quint32 GetSendFre() const = 0;
    virtual quint32 GetRecFre() const = 0;
    virtual quint16 GetChannelType() const = 0;
    virtual quint32 GetRadioID() const = 0;
};
