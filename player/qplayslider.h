#pragma once

#include <QSlider>

#include <functional>

// The playback progress slider with its own look. Its value follows the
// player's position notices, about one a second; a step (a click on the
// groove, an arrow or paging key) is taken from where playback is at the
// moment, when the owner has said where that is.
class QPlaySlider : public QSlider
{
    Q_OBJECT

public:
    explicit QPlaySlider(QWidget *parent = nullptr);

    void SetPlaybackPosition(const std::function<qint64()> &position);
    // Where playback is; the value when no source is set.
    qint64 PlaybackPosition() const;

private:
    void StepFromPlayback(int action);

    std::function<qint64()> m_playbackPosition;
};
