#include "ui/windowbackground.h"

#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QRegion>
#include <QString>
#include <QWidget>
#ifdef OVELIA_X11
#include <QX11Info>
#endif

namespace {

// The dialogs' drop shadow stays below about 110. Unblended, a pixel shows
// its colour times its alpha: the card's edge keeps its pixels of at least
// three quarters, which show barely darker.
constexpr int kShapeAlpha = 192;

bool AskWindowSystem()
{
#ifdef OVELIA_X11
    if (QX11Info::isPlatformX11())
        return QX11Info::isCompositingManagerRunning();
#endif
    // Windows and Wayland always compose; the offscreen platform shows nothing.
    return true;
}

std::function<bool()> &CompositingAnswer()
{
    static std::function<bool()> answer = AskWindowSystem;
    return answer;
}

// The image's pixels of at least kShapeAlpha, row by row.
QRegion OpaqueRegion(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QRegion region;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *pixel = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        int start = -1;
        for (int x = 0; x <= argb.width(); ++x) {
            const bool opaque = x < argb.width() && qAlpha(pixel[x]) >= kShapeAlpha;
            if (opaque && start < 0) {
                start = x;
            } else if (!opaque && start >= 0) {
                region += QRect(start, y, x - start, 1);
                start = -1;
            }
        }
    }
    return region;
}

// Shapes the background's window at each show, as the compositing manager
// runs or not at that time.
class BackgroundShape : public QObject
{
public:
    explicit BackgroundShape(QWidget *background)
        : QObject(background)
        , m_background(background)
    {
        background->window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QWidget *window = m_background->window();
        if (watched == window && event->type() == QEvent::Show) {
            if (window->testAttribute(Qt::WA_TranslucentBackground) && !CompositingRuns())
                window->setMask(BackgroundRegion().translated(m_background->mapTo(window, QPoint())));
            else
                window->clearMask();
        }
        return false;
    }

private:
    // The painted image at the widget's size: a screen of device pixel
    // ratio 2 holds it at twice that.
    QRegion BackgroundRegion() const
    {
        const QImage painted = m_background->palette().brush(QPalette::Window).texture().toImage();
        return OpaqueRegion(painted.scaled(m_background->size(), Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation));
    }

    QWidget *m_background;
};

} // namespace

void PaintWindowBackground(QWidget *widget, const QString &imagePath)
{
    widget->setAutoFillBackground(true);
    // QIcon, unlike QPixmap, takes name@2x.png for a screen of device pixel ratio 2.
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap image = QIcon(imagePath).pixmap(widget->size()).scaled(
        widget->size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    QPalette palette;
    palette.setBrush(QPalette::Window, QBrush(image));
    widget->setPalette(palette);
    new BackgroundShape(widget);
}

bool CompositingRuns()
{
    return CompositingAnswer()();
}

void AnswerCompositingWith(const std::function<bool()> &answer)
{
    CompositingAnswer() = answer;
}
