#include "import/qwavfileheader85.h"

namespace {

constexpr WavHeaderOffsets kLayout85{
    /*recordType*/ 50, /*marker*/ 52,     /*callType*/ 68,   /*channelType*/ 70,
    /*recFre*/ 72,     /*sendFre*/ 76,    /*receiveID*/ 80,  /*callingID*/ 84,
    /*startTime*/ 88,  /*audioLength*/ 212,
};

constexpr int kRadioIDOffset = 96;

} // namespace

QWavFileHeader85::QWavFileHeader85(const char *buffer)
    : QWavFileHeaderLayout<216>(buffer, kLayout85)
{
}

quint32 QWavFileHeader85::GetRadioID() const
{
    return ReadU32(kRadioIDOffset);
}
