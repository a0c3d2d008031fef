#pragma once

#include <QStringList>

class QFontMetricsF;
class QTableView;

// The record table draws every cell on one line; a text wider than its cell
// is cut in the middle. These rules give the widths that keep texts whole.

// What a column of view spends beside its text: the item style's margin on
// either side of the text, and the grid line.
int CellTextRoom(const QTableView *view);

// Whether the text shows whole in a column `width` pixels wide that spends
// `room` pixels beside its text.
bool TextFitsColumn(const QString &text, const QFontMetricsF &metrics, int room, int width);

// The narrowest column width, at least `least` and at most `most` pixels, in
// which every text shows whole.
int ColumnWidthFor(const QStringList &texts, const QFontMetricsF &metrics, int room, int least,
                   int most);
