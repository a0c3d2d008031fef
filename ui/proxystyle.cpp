#include "ui/proxystyle.h"

#include <QIcon>
#include <QPainter>
#include <QStyleOption>

namespace {

// Only the two plain states have an image; any extra flag (selected, focus,
// mouse over, ...) leaves the indicator undrawn.
QString CheckIndicatorImage(QStyle::State state)
{
    if (state == (QStyle::State_Enabled | QStyle::State_Off))
        return QStringLiteral(":/PicRes/CheckBox_unCheck.png");
    if (state == (QStyle::State_Enabled | QStyle::State_On))
        return QStringLiteral(":/PicRes/CheckBox_Check.png");
    return QString();
}

} // namespace

ProxyStyle::ProxyStyle(QStyle *base)
    : QProxyStyle(base)
{
}

void ProxyStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    if (element != PE_IndicatorItemViewItemCheck) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (!option)
        return;
    const QString image = CheckIndicatorImage(option->state);
    if (image.isEmpty())
        return;
    painter->save();
    QIcon(image).paint(painter, option->rect, Qt::AlignCenter, QIcon::Normal, QIcon::Off);
    painter->restore();
}
