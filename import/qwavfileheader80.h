#pragma once

#include "import/qwavfileheaderlayout.h"

// The shorter layout: marker at 40, audio length at 88, no radio ID.
class QWavFileHeader80 : public QWavFileHeaderLayout<92>
{
public:
    // buffer holds at least the first 92 bytes of the file.
    explicit QWavFileHeader80(const char *buffer);

    quint32 GetRadioID() const override;
};
