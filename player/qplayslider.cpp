#include "player/qplayslider.h"

namespace {
const char *const kSheet =
    "QSlider::groove:horizontal{height:10px; border-color:rgb(49, 56, 72); border-radius:5px; left:3px; right:3px; margin:2px 0px}                   QSlider::add-page:horizontal{background-color:rgb(41, 48, 64); margin: 2px 0px; border-radius:5px;}                   QSlider::sub-page:horizontal{background-color:rgb(0, 163, 226); margin:2px 0px; border-radius:5px;}                   QSlider::handle:horizontal{background-color:rgb(255, 255, 255); width:16px; margin: -3px -3px -3px -3px; border-radius: 8px;}";
}

QPlaySlider::QPlaySlider(QWidget *parent)
    : QSlider(parent)
{
    setStyleSheet(QString::fromLatin1(kSheet));
    connect(this, &QAbstractSlider::actionTriggered, this, &QPlaySlider::StepFromPlayback);
}

void QPlaySlider::SetPlaybackPosition(const std::function<qint64()> &position)
{
    m_playbackPosition = position;
}

qint64 QPlaySlider::PlaybackPosition() const
{
    return m_playbackPosition ? m_playbackPosition() : value();
}

// Called after the slider has moved its position by the step from its own,
// possibly stale, value, and before the value is set: the step is taken again
// from where playback is.
void QPlaySlider::StepFromPlayback(int action)
{
    qint64 step = 0;
    switch (action) {
    case SliderSingleStepAdd:
        step = singleStep();
        break;
    case SliderSingleStepSub:
        step = -singleStep();
        break;
    case SliderPageStepAdd:
        step = pageStep();
        break;
    case SliderPageStepSub:
        step = -pageStep();
        break;
    default:
        return;
    }
    setSliderPosition(int(qBound<qint64>(minimum(), PlaybackPosition() + step, maximum())));
}
