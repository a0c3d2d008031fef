#pragma once

#include <QString>

// The name as it is shown: control characters and the marks that turn the
// direction of text (U+0000 to U+001F, U+007F, U+200E, U+200F, U+202A to
// U+202E, U+2066 to U+2069) each become U+FFFD, so that what is shown reads
// in the order it is stored. Records keep the name itself.
QString VisibleName(QString name);
