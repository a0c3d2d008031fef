#pragma once

#include <QStyledItemDelegate>

class QComboBox;
class QLabel;
class QString;

// What the style sheets cannot carry, for the whole application; called by
// the main window's constructor before anything is shown, any number of times:
// - where the theme's family "微软雅黑" is not installed, the CJK font that the
//   set-up installs stands in for it (the toolkit's own font substitution), so
//   that the texts keep the metrics the fixed widgets were laid out for;
// - tooltips are drawn in the theme's colours instead of the platform's, and
//   the push button that has the focus shows an outline in the accent colour
//   (rules of the application's style sheet, which holds nothing else; the
//   outline reaches the buttons whose own style sheets are replaced at run
//   time too).
void ApplyApplicationLook();

// The text as a tooltip shows it: as it stands, also where it looks like
// markup.
QString PlainToolTip(const QString &text);

// The text in the label, as plain text: whole when it fits the label's
// contents rectangle in the label's font, otherwise cut in the middle with the
// whole text as the label's tooltip. The label's size is left as it is.
void SetElidedText(QLabel *label, const QString &text);

// The same for an item of a combo box, against the closed box's text field:
// the item then carries its whole text as its tooltip, and the box shows it as
// its own tooltip while the item is chosen. Needs PrepareComboBox.
void SetComboItemText(QComboBox *box, int index, const QString &text);
// The pop-up list draws its items with a styled delegate, so that the style
// sheet's list colours apply (the box's own menu delegate paints from the
// palette), each with its whole text; the box's tooltip follows its item. The
// items present are fitted to the box as it is styled by then.
void PrepareComboBox(QComboBox *box);
