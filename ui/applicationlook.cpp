#include "ui/applicationlook.h"

#include "ui/stylesheetbuilder.h"

#include <QComboBox>
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QTextDocument>

namespace {

const QString kThemeFamily = QStringLiteral("微软雅黑");

class WholeItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString whole = index.data(Qt::UserRole + 1).toString();
        if (!whole.isEmpty())
            option->text = whole;
    }
};

} // namespace

QString PlainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text)
               ? QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped())
               : text;
}

void ApplyApplicationLook()
{
    // The family's English name, then the font of tools/buildsetup.sh.
    QFont::insertSubstitutions(kThemeFamily, {QStringLiteral("Microsoft YaHei"),
                                              QStringLiteral("WenQuanYi Micro Hei")});
    // The focus marks of buttons here, where they outlast the sheets that the
    // player's buttons are given at run time; the radio buttons, without text,
    // have no other.
    FocusStyle focus;
    focus.buttonOutline = QStringLiteral("1px solid #0091ff");
    focus.buttonOutlineRadius = QStringLiteral("2px");
    focus.radioButtonBorder = focus.buttonOutline;
    // A rule rather than QToolTip's palette, which the platform theme resets.
    const QString sheet = QStringLiteral("QToolTip{font:12px \"%1\";}QToolTip{color:#cfdfff;}"
                                         "QToolTip{background-color:#1f2430;}"
                                         "QToolTip{border:1px solid #56698c;}")
                              .arg(kThemeFamily)
                          + FocusRules(focus);
    if (qApp->styleSheet() != sheet)
        qApp->setStyleSheet(sheet);
}

void SetElidedText(QLabel *label, const QString &text)
{
    label->ensurePolished();
    label->setTextFormat(Qt::PlainText);
    const QString shown = QFontMetrics(label->font())
                              .elidedText(text, Qt::ElideMiddle, label->contentsRect().width());
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : PlainToolTip(text));
}

void SetComboItemText(QComboBox *box, int index, const QString &text)
{
    box->ensurePolished();
    QStyleOptionComboBox option;
    option.initFrom(box);
    const int room = box->style()
                         ->subControlRect(QStyle::CC_ComboBox, &option,
                                          QStyle::SC_ComboBoxEditField, box)
                         .width();
    const QString shown = QFontMetrics(box->font()).elidedText(text, Qt::ElideMiddle, room);
    const bool cut = shown != text;
    box->setItemText(index, shown);
    box->setItemData(index, cut ? text : QString(), Qt::UserRole + 1);
    box->setItemData(index, cut ? PlainToolTip(text) : QString(), Qt::ToolTipRole);
    if (index == box->currentIndex())
        box->setToolTip(box->itemData(index, Qt::ToolTipRole).toString());
}

void PrepareComboBox(QComboBox *box)
{
    box->setItemDelegate(new WholeItemDelegate(box));
    QObject::connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), box, [box](int index) {
        box->setToolTip(box->itemData(index, Qt::ToolTipRole).toString());
    });
    for (int index = 0; index < box->count(); ++index)
        SetComboItemText(box, index, box->itemText(index));
}
