#pragma once

#include <QList>
#include <QString>
#include <QVector>

class QMediaContent;
class QMediaPlaylist;
struct RecordRow;

// A playing time of milliseconds as "hh:mm:ss"; hours may pass 23.
QString PlayTimeText(qint64 milliseconds);

// The progress slider seeks only when it is 100 ms or more off the position.
bool SliderSeeks(qint64 position, int sliderValue);

// True when the entry's local file path names an existing regular file.
bool IsMediaValid(const QMediaContent &media);

// Empties the playlist and fills it with the checked rows whose file exists,
// in page order.
void FillWithCheckedRecordings(QMediaPlaylist *playlist, const QList<RecordRow> &records);

// Drops the entries whose files have gone, then returns the index of path in
// the playlist, or -1.
int PurgeAndFind(QMediaPlaylist *playlist, const QString &path);

// The playback rates offered, slowest first; rate 1 at kNormalRateIndex.
const QVector<qreal> &PlaybackRates();
constexpr int kNormalRateIndex = 2;
// The index of the rate `steps` places on from index, held at the ends.
int SteppedRateIndex(int index, int steps);

// "2 / 7" for the entry at index of a playlist of count; empty for none.
QString PlaylistPositionText(int index, int count);

// Where a skip of step milliseconds from position lands: within the
// recording, or at position while its duration is not known.
qint64 SkippedPosition(qint64 position, qint64 duration, qint64 step);
