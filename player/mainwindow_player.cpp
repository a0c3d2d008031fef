// The main window's player: the page playlist of the checked recordings and
// the controls under the table.

#include "app/mainwindow.h"
#include "player/playlistrules.h"
#include "records/checkboxdelegate.h"
#include "records/recordfileops.h"
#include "records/tablemodel.h"
#include "ui/applicationlook.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui/stylesheetbuilder.h"
#include "records/visiblename.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QUrl>

namespace {
const char *const kZeroTime = "00:00:00";
constexpr int kDefaultVolume = 50;
constexpr int kArrowStepMs = 1000; // the time label's unit
}

void MainWindow::InitPlayer()
{
    m_currentTimeText = QLatin1String(kZeroTime);
    m_totalTimeText = QLatin1String(kZeroTime);
    ui->hs_SoundVolume->setValue(kDefaultVolume);
    m_player.setVolume(kDefaultVolume);
    connect(&m_player, &QMediaPlayer::durationChanged, this, &MainWindow::PlayDurationChanged);
    connect(&m_player, &QMediaPlayer::positionChanged, this, &MainWindow::PlayPositionChanged);
    connect(&m_player, &QMediaPlayer::stateChanged, this, &MainWindow::PlayStateChanged);
    connect(&m_player, &QMediaPlayer::stateChanged, this, &MainWindow::ShowNowPlaying);
    connect(&m_player, &QMediaPlayer::currentMediaChanged, this, &MainWindow::ShowNowPlaying);
    ShowPlaybackSpeeds();
    ui->comBox_PlaybackSpeed->setCurrentIndex(kNormalRateIndex);
    connect(ui->comBox_PlaybackSpeed, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { m_player.setPlaybackRate(PlaybackRates().value(index, 1.0)); });
    ui->hs_SoundPlayProgress->SetPlaybackPosition([this] { return m_player.position(); });
    // A click leaves no focus frame on the round and glyph buttons; Tab still reaches them.
    for (QPushButton *button : {ui->pbtn_PreSound, ui->pbtn_PlayorPause, ui->pbtn_NextSound,
                                ui->pbtn_Volume})
        button->setFocusPolicy(Qt::TabFocus);
    ShowPlayerToolTips();
}

// The texts of the speeds, in the language chosen.
void MainWindow::ShowPlaybackSpeeds()
{
    QComboBox *box = ui->comBox_PlaybackSpeed;
    for (int index = 0; index < PlaybackRates().size(); ++index) {
        const QString text = tr("%1×").arg(PlaybackRates().at(index));
        if (index < box->count())
            box->setItemText(index, text);
        else
            box->addItem(text);
    }
    box->setToolTip(tr("Playback speed: [ slower, ] faster"));
}

// The buttons that show only an image say what a click does now.
void MainWindow::ShowPlayerToolTips()
{
    ui->pbtn_PreSound->setToolTip(tr("Previous recording"));
    ui->pbtn_NextSound->setToolTip(tr("Next recording"));
    ui->pbtn_PlayorPause->setToolTip(IsPlaying() ? tr("Pause") : tr("Play"));
    ui->pbtn_Volume->setToolTip(ui->hs_SoundVolume->value() > 0 ? tr("Mute") : tr("Unmute"));
}

// The speed holds for the recordings that follow, until it is changed.
void MainWindow::StepPlaybackRate(int steps)
{
    ui->comBox_PlaybackSpeed->setCurrentIndex(
        SteppedRateIndex(ui->comBox_PlaybackSpeed->currentIndex(), steps));
}

void MainWindow::SkipBy(qint64 milliseconds)
{
    if (m_player.state() != QMediaPlayer::StoppedState)
        m_player.setPosition(SkippedPosition(m_player.position(), m_player.duration(), milliseconds));
}

// The place of the current recording in the playlist; its row, on whatever
// page shows it, is marked while it plays or pauses.
void MainWindow::ShowNowPlaying()
{
    const QMediaPlaylist *playlist = m_player.playlist();
    ui->label_PlaylistPosition->setText(
        playlist ? PlaylistPositionText(playlist->currentIndex(), playlist->mediaCount()) : QString());
    const bool stopped = m_player.state() == QMediaPlayer::StoppedState;
    m_tableModel->SetPlayingPath(stopped ? QString()
                                         : m_player.currentMedia().request().url().toLocalFile());
}

bool MainWindow::IsPlaying() const
{
    return m_player.state() == QMediaPlayer::PlayingState;
}

void MainWindow::ShowTimeLabel()
{
    ui->label_SoundPlayProcessAndTimeLen->setText(m_currentTimeText + QLatin1Char('/')
                                                  + m_totalTimeText);
}

void MainWindow::PlayDurationChanged(qint64 duration)
{
    if (m_player.state() == QMediaPlayer::StoppedState)
        return;
    ui->hs_SoundPlayProgress->setRange(0, int(duration));
    ui->hs_SoundPlayProgress->setEnabled(duration > 0);
    ui->hs_SoundPlayProgress->setPageStep(int(duration / 100));
    ui->hs_SoundPlayProgress->setSingleStep(kArrowStepMs);
    m_totalTimeText = PlayTimeText(duration);
    ui->label_SoundPlayProcessAndTimeLen->setText(QLatin1String(kZeroTime) + QLatin1Char('/')
                                                  + m_totalTimeText);
    if (QMediaPlaylist *playlist = m_player.playlist())
        SetElidedText(ui->label_WavFileName,
                      VisibleName(playlist->currentMedia().request().url().fileName()));
}

void MainWindow::PlayPositionChanged(qint64 position)
{
    ui->hs_SoundPlayProgress->setValue(int(position));
    m_currentTimeText = PlayTimeText(position);
    ShowTimeLabel();
}

// The handle goes back to the start with the time label, without seeking.
void MainWindow::ShowPlaybackAtStart()
{
    const QSignalBlocker quiet(ui->hs_SoundPlayProgress);
    ui->hs_SoundPlayProgress->setValue(0);
    m_currentTimeText = QLatin1String(kZeroTime);
    ShowTimeLabel();
}

void MainWindow::on_hs_SoundPlayProgress_valueChanged(int value)
{
    if (SliderSeeks(m_player.position(), value))
        m_player.setPosition(value);
}

void MainWindow::PlayStateChanged(QMediaPlayer::State state)
{
    const bool playing = state == QMediaPlayer::PlayingState;
    SetBtnImageStyle(ui->pbtn_PlayorPause, playing ? QStringLiteral("SoundPause")
                                                   : QStringLiteral("PlaySound"));
    ShowPlayerToolTips();
    m_checkBoxDelegate->SetCheckable(!playing);
    if (state == QMediaPlayer::StoppedState)
        ShowPlaybackAtStart();
    for (QAction *action : m_languageActionFiles.keys())
        if (action != m_checkedLanguageAction)
            action->setCheckable(!playing);
    for (QAction *action : m_pageSizeActions.keys())
        if (action != m_checkedPageSizeAction)
            action->setCheckable(!playing);
}

void MainWindow::SetBtnImageStyle(QPushButton *button, const QString &name)
{
    if (button)
        button->setStyleSheet(PushButtonRules(PushButtonStyle{name}));
}

void MainWindow::on_hs_SoundVolume_valueChanged(int value)
{
    m_player.setVolume(value);
    SetBtnImageStyle(ui->pbtn_Volume, value > 0 ? QStringLiteral("SoundVolume")
                                                : QStringLiteral("SoundSlient"));
    ShowPlayerToolTips();
}

void MainWindow::on_pbtn_Volume_clicked()
{
    ui->hs_SoundVolume->setValue(ui->hs_SoundVolume->value() > 0 ? 0 : kDefaultVolume);
}

void MainWindow::on_pbtn_PreSound_clicked()
{
    QMediaPlaylist *playlist = m_player.playlist();
    if (playlist && playlist->currentIndex() > 0)
        playlist->previous();
}

void MainWindow::on_pbtn_NextSound_clicked()
{
    QMediaPlaylist *playlist = m_player.playlist();
    if (playlist && playlist->currentIndex() < playlist->mediaCount() - 1)
        playlist->next();
}

void MainWindow::FillPlayList(QList<RecordRow> *records, QMediaPlaylist *playlist,
                              QMediaPlayer *player)
{
    if (!records || !playlist || !player)
        return;
    player->stop();
    m_totalTimeText = QLatin1String(kZeroTime);
    ShowPlaybackAtStart();
    SetElidedText(ui->label_WavFileName, QString());
    FillWithCheckedRecordings(playlist, *records);
    if (playlist->isEmpty())
        return;
    player->setPlaylist(playlist);
    playlist->setCurrentIndex(0);
}

void MainWindow::RefreshPlayList()
{
    FillPlayList(&m_pageRecords, &m_playlist, &m_player);
}

int MainWindow::FindInPlayList(const QString &path, QMediaPlaylist *playlist)
{
    return PurgeAndFind(playlist, path);
}

void MainWindow::ShowInvalidFile(const QString &fileName)
{
    MsgTipWidthSingleBtn::ShowTip(tr("Play"),
                                  tr("Invalid File:") + QLatin1Char(' ') + VisibleName(fileName),
                                  tr("OK"), nullptr);
}

void MainWindow::PlayRecord(const QList<RecordRow> *records, int row)
{
    if (!records || row < 0 || row >= records->size())
        return;
    const RecordRow &record = records->at(row);
    if (!IsFileValid(record.filePath)) {
        ShowInvalidFile(record.fileName);
        return;
    }
    if (record.checked) {
        const int index = FindInPlayList(record.filePath, &m_playlist);
        if (index < 0)
            return;
        m_player.setPlaylist(&m_playlist);
        m_playlist.setCurrentIndex(index);
    } else {
        auto single = std::make_unique<QMediaPlaylist>();
        single->addMedia(QMediaContent(QUrl::fromLocalFile(record.filePath)));
        m_player.setPlaylist(single.get());
        single->setCurrentIndex(0);
        m_singlePlaylist = std::move(single);
    }
    m_player.play();
}

void MainWindow::on_pbtn_PlayorPause_clicked()
{
    switch (m_player.state()) {
    case QMediaPlayer::PlayingState:
        m_player.pause();
        return;
    case QMediaPlayer::PausedState:
        m_player.play();
        return;
    case QMediaPlayer::StoppedState:
        break;
    }
    if (m_playlist.isEmpty())
        return;
    if (!IsMediaValid(m_playlist.media(0))) {
        ShowInvalidFile(m_playlist.media(0).request().url().fileName());
        return;
    }
    m_player.setPlaylist(&m_playlist);
    m_playlist.setCurrentIndex(0);
    m_player.play();
}

void MainWindow::on_tableView_doubleClicked(QModelIndex index)
{
    if (IsPlaying())
        return;
    if (index.column() > 0 && HasRow(index.row()))
        PlayRecord(&m_pageRecords, index.row());
}

void MainWindow::RightMenuToPlay()
{
    const int row = CurrentRow();
    if (HasRow(row))
        PlayRecord(&m_pageRecords, row);
}

void MainWindow::on_pbtn_ClearList_clicked()
{
    if (IsPlaying())
        return;
    m_pageRecords.clear();
    m_tableModel->SetRows(m_pageRecords);
    RefreshPlayList();
}
