#pragma once

#include "import/qwavfileheaderlayout.h"

// The longer layout, marked "KVB" at 40: the fields of layout 80 stand 12
// bytes further on, the audio length at 212, and a radio ID is added at 96.
class QWavFileHeader85 : public QWavFileHeaderLayout<216>
{
public:
    // buffer holds at least the first 216 bytes of the file.
    explicit QWavFileHeader85(const char *buffer);

    quint32 GetRadioID() const override;
};
