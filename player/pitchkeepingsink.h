#pragma once

// Playback at another rate than 1 keeps its pitch. Called before the first
// QMediaPlayer is made: Qt Multimedia's GStreamer back end then plays through
// a sink of its own that stretches the time (GStreamer's scaletempo) in front
// of the sink that QT_GSTREAMER_PLAYBIN_AUDIOSINK names, a sink or a pipeline
// description ending in one (autoaudiosink when it names none). The player's
// volume, seeking and rate changes while playing work as before.
// Where there is no GStreamer, or no scaletempo, it does nothing: the rate
// then applies as the back end plays it.
void KeepPitchAtAnyRate();
