#pragma once

#include <QProxyStyle>

// Application style: draws the check indicators of item views from the
// application's own images and leaves everything else to the base style.
class ProxyStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit ProxyStyle(QStyle *base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
