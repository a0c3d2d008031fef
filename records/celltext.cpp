#include "records/celltext.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace {

// The table lays a text out at fractional widths and cuts it as soon as it
// is wider than its room.
int TextWidth(const QString &text, const QFontMetricsF &metrics)
{
    return int(std::ceil(metrics.horizontalAdvance(text)));
}

} // namespace

int CellTextRoom(const QTableView *view)
{
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return 2 * margin + (view->showGrid() ? 1 : 0);
}

bool TextFitsColumn(const QString &text, const QFontMetricsF &metrics, int room, int width)
{
    return TextWidth(text, metrics) + room <= width;
}

int ColumnWidthFor(const QStringList &texts, const QFontMetricsF &metrics, int room, int least,
                   int most)
{
    int widest = least;
    for (const QString &text : texts)
        widest = std::max(widest, TextWidth(text, metrics) + room);
    return std::min(widest, std::max(least, most));
}
