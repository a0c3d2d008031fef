#include "records/celltext.h"

#include <QFontMetricsF>
#include <QSet>
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

// The digit of the greatest advance in the font.
QChar WidestDigit(const QFontMetricsF &metrics)
{
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit)
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    return widest;
}

// The text with every digit replaced by the widest: at least as wide as the
// text, and the same for all the times, durations, IDs and numbered names of
// a page that differ only in their digits.
QString DigitsAs(QString text, QChar digit)
{
    for (QChar &c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            c = digit;
    return text;
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
    const QChar digit = WidestDigit(metrics);
    QSet<QString> shapes;
    for (const QString &text : texts)
        shapes.insert(DigitsAs(text, digit));
    int widest = least;
    for (const QString &shape : qAsConst(shapes))
        widest = std::max(widest, TextWidth(shape, metrics) + room);
    return std::min(widest, std::max(least, most));
}
