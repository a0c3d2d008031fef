#include "ui/proxystyle.h"

#include <QIcon>
#include <QPainter>
#include <QStyleOption>

namespace {

constexpr QSize kCheckImageSize(14, 14);

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
    // At its own size: QIcon::paint would stretch the name@2x.png of a high-DPI
    // screen to the whole cell.
    const QRect imageRect = alignedRect(option->direction, Qt::AlignCenter, kCheckImageSize, option->rect);
    painter->save();
    QIcon(image).paint(painter, imageRect, Qt::AlignCenter, QIcon::Normal, QIcon::Off);
    painter->restore();
}
