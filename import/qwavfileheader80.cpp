#include "import/qwavfileheader80.h"

namespace {

constexpr WavHeaderOffsets kLayout80{
    /*recordType*/ 38, /*marker*/ 40,    /*callType*/ 56,   /*channelType*/ 58,
    /*recFre*/ 60,     /*sendFre*/ 64,   /*receiveID*/ 68,  /*callingID*/ 72,
    /*startTime*/ 76,  /*audioLength*/ 88,
};

} // namespace

QWavFileHeader80::QWavFileHeader80(const char *buffer)
    : QWavFileHeaderLayout<92>(buffer, kLayout80)
{
}

quint32 QWavFileHeader80::GetRadioID() const
{
    return 0;
}
