#include "records/visiblename.h"

namespace {

bool IsHiddenMark(uint c)
{
    return c <= 0x1F || c == 0x7F || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E)
           || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString VisibleName(QString name)
{
    for (QChar &c : name) {
        if (IsHiddenMark(c.unicode()))
            c = QChar::ReplacementCharacter;
    }
    return name;
}
