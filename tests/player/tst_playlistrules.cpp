#include "player/playlistrules.h"
#include "records/recordrow.h"

#include <QDir>
#include <QFile>
#include <QMediaPlaylist>
#include <QTemporaryDir>
#include <QtTest>

namespace {

RecordRow Row(const QString &path, bool checked)
{
    RecordRow row;
    row.filePath = path;
    row.fileName = QFileInfo(path).fileName();
    row.checked = checked;
    return row;
}

bool Touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("RIFF") == 4;
}

QStringList Entries(const QMediaPlaylist &playlist)
{
    QStringList names;
    for (int i = 0; i < playlist.mediaCount(); ++i)
        names << playlist.media(i).request().url().fileName();
    return names;
}

} // namespace

class TestPlaylistRules : public QObject
{
    Q_OBJECT

private slots:
    void playTime_data();
    void playTime();
    void sliderSeeks_data();
    void sliderSeeks();
    void playlistHoldsCheckedExistingRowsInOrder();
    void purgeDropsVanishedFilesThenFinds();
    void purgeOnEmptyPlaylist();
    void mediaValidity();
};

void TestPlaylistRules::playTime_data()
{
    QTest::addColumn<qint64>("milliseconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "00:00:00";
    QTest::newRow("just under a second") << qint64(999) << "00:00:00";
    QTest::newRow("one minute seven") << qint64(67000) << "00:01:07";
    QTest::newRow("an hour less a second") << qint64(3599999) << "00:59:59";
    QTest::newRow("hour, minutes, seconds") << qint64(3725000) << "01:02:05";
    QTest::newRow("beyond a day") << qint64(100) * 3600000 << "100:00:00";
}

void TestPlaylistRules::playTime()
{
    QFETCH(qint64, milliseconds);
    QFETCH(QString, text);
    QCOMPARE(PlayTimeText(milliseconds), text);
}

void TestPlaylistRules::sliderSeeks_data()
{
    QTest::addColumn<qint64>("position");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("seeks");
    QTest::newRow("same") << qint64(5000) << 5000 << false;
    QTest::newRow("99 ahead") << qint64(5000) << 5099 << false;
    QTest::newRow("100 ahead") << qint64(5000) << 5100 << true;
    QTest::newRow("99 behind") << qint64(5000) << 4901 << false;
    QTest::newRow("100 behind") << qint64(5000) << 4900 << true;
}

void TestPlaylistRules::sliderSeeks()
{
    QFETCH(qint64, position);
    QFETCH(int, value);
    QFETCH(bool, seeks);
    QCOMPARE(SliderSeeks(position, value), seeks);
}

void TestPlaylistRules::playlistHoldsCheckedExistingRowsInOrder()
{
    QTemporaryDir dir;
    for (const char *name : {"1.wav", "2.wav", "3.wav", "5.wav"})
        QVERIFY(Touch(dir.filePath(name)));
    QVERIFY(QDir().mkdir(dir.filePath("4.wav")));
    const QList<RecordRow> rows{Row(dir.filePath("1.wav"), true), Row(dir.filePath("2.wav"), false),
                                Row(dir.filePath("3.wav"), true), Row(dir.filePath("4.wav"), true),
                                Row(dir.filePath("gone.wav"), true), Row(dir.filePath("5.wav"), true)};
    QMediaPlaylist playlist;
    playlist.addMedia(QUrl::fromLocalFile(dir.filePath("2.wav")));
    FillWithCheckedRecordings(&playlist, rows);
    QCOMPARE(Entries(playlist), QStringList({"1.wav", "3.wav", "5.wav"}));
}

void TestPlaylistRules::purgeDropsVanishedFilesThenFinds()
{
    QTemporaryDir dir;
    for (const char *name : {"a.wav", "b.wav", "c.wav", "d.wav"})
        QVERIFY(Touch(dir.filePath(name)));
    QMediaPlaylist playlist;
    for (const char *name : {"a.wav", "b.wav", "c.wav", "d.wav"})
        playlist.addMedia(QUrl::fromLocalFile(dir.filePath(name)));
    QVERIFY(QFile::remove(dir.filePath("a.wav")));
    QVERIFY(QFile::remove(dir.filePath("b.wav")));

    QCOMPARE(PurgeAndFind(&playlist, dir.filePath("d.wav")), 1);
    QCOMPARE(Entries(playlist), QStringList({"c.wav", "d.wav"}));
    QCOMPARE(PurgeAndFind(&playlist, dir.filePath("b.wav")), -1);
    QVERIFY(QFile::remove(dir.filePath("c.wav")));
    QVERIFY(QFile::remove(dir.filePath("d.wav")));
    QCOMPARE(PurgeAndFind(&playlist, dir.filePath("d.wav")), -1);
    QVERIFY(playlist.isEmpty());
}

void TestPlaylistRules::purgeOnEmptyPlaylist()
{
    QMediaPlaylist playlist;
    QCOMPARE(PurgeAndFind(&playlist, "/x.wav"), -1);
    QCOMPARE(PurgeAndFind(nullptr, "/x.wav"), -1);
}

void TestPlaylistRules::mediaValidity()
{
    QTemporaryDir dir;
    QVERIFY(Touch(dir.filePath("x.wav")));
    QVERIFY(IsMediaValid(QMediaContent(QUrl::fromLocalFile(dir.filePath("x.wav")))));
    QVERIFY(!IsMediaValid(QMediaContent(QUrl::fromLocalFile(dir.filePath("y.wav")))));
    QVERIFY(!IsMediaValid(QMediaContent(QUrl::fromLocalFile(dir.path()))));
    QVERIFY(!IsMediaValid(QMediaContent()));
}

QTEST_GUILESS_MAIN(TestPlaylistRules)
#include "tst_playlistrules.moc"
