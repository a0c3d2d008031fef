#include "player/playlistrules.h"

#include "records/recordfileops.h"
#include "records/recordrow.h"

#include <QMediaContent>
#include <QMediaPlaylist>
#include <QUrl>
#include <cstdlib>

QString PlayTimeText(qint64 milliseconds)
{
    const qint64 hours = milliseconds / 3600000;
    const qint64 minutes = (milliseconds / 60000) % 60;
    const qint64 seconds = (milliseconds / 1000) % 60;
    return QString::asprintf("%02lld:%02lld:%02lld", static_cast<long long>(hours),
                             static_cast<long long>(minutes), static_cast<long long>(seconds));
}

bool SliderSeeks(qint64 position, int sliderValue)
{
    return std::llabs(position - sliderValue) > 99;
}

bool IsMediaValid(const QMediaContent &media)
{
    return IsFileValid(media.request().url().toLocalFile());
}

void FillWithCheckedRecordings(QMediaPlaylist *playlist, const QList<RecordRow> &records)
{
    playlist->clear();
    for (const RecordRow &record : records) {
        if (record.checked && IsFileValid(record.filePath))
            playlist->addMedia(QMediaContent(QUrl::fromLocalFile(record.filePath)));
    }
}

int PurgeAndFind(QMediaPlaylist *playlist, const QString &path)
{
    if (!playlist || playlist->isEmpty())
        return -1;
    for (int index = 0; index < playlist->mediaCount();) {
        if (IsMediaValid(playlist->media(index)))
            ++index;
        else
            playlist->removeMedia(index);
    }
    const QUrl wanted = QUrl::fromLocalFile(path);
    for (int index = 0; index < playlist->mediaCount(); ++index) {
        if (playlist->media(index).request().url() == wanted)
            return index;
    }
    return -1;
}

const QVector<qreal> &PlaybackRates()
{
    static const QVector<qreal> rates{0.5, 0.75, 1.0, 1.25, 1.5, 2.0};
    return rates;
}

int SteppedRateIndex(int index, int steps)
{
    return qBound(0, index + steps, PlaybackRates().size() - 1);
}

QString PlaylistPositionText(int index, int count)
{
    if (index < 0 || index >= count)
        return QString();
    return QStringLiteral("%1 / %2").arg(index + 1).arg(count);
}

qint64 SkippedPosition(qint64 position, qint64 duration, qint64 step)
{
    return duration > 0 ? qBound<qint64>(0, position + step, duration) : position;
}
