#include "import/qwavfileheader.h"

#include "import/qwavfileheader80.h"
#include "import/qwavfileheader85.h"

#include <cstring>

namespace {

constexpr int kLayoutTagOffset = 40;

bool HasLayout85Tag(const char *buffer)
{
    return std::memcmp(buffer + kLayoutTagOffset, "KVB", 3) == 0;
}

} // namespace

QWavFileHeader::QWavFileHeader() = default;

QWavFileHeader::~QWavFileHeader() = default;

void QWavFileHeader::Create(const char *buffer)
{
    if (!buffer)
        return;
    if (HasLayout85Tag(buffer))
        m_header = std::make_unique<QWavFileHeader85>(buffer);
    else
        m_header = std::make_unique<QWavFileHeader80>(buffer);
}

int QWavFileHeader::LayoutSize(const char *buffer)
{
    return HasLayout85Tag(buffer) ? QWavFileHeader85::kSize : QWavFileHeader80::kSize;
}

void QWavFileHeader::Release()
{
    m_header.reset();
}
