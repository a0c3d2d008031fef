#pragma once

#include "records/listingpage.h"
#include "records/recordingexport.h"
#include "records/recordquery.h"
#include "records/recordrow.h"
#include "store/dbprocess.h"
#include "ui/pathchooser.h"
#include "ui/tipdlg.h"

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QTranslator>
#include <memory>

class CheckBoxDelegate;
class OperaThread;
class QAction;
class QMenu;
class QPushButton;
class QTreeWidgetItem;
struct ScanResult;
class TableModel;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The window's title band: a press at y <= 50 drags the window.
    static constexpr int kTitleBandHeight = 50;

    // What Import, Export and the ID names entry ask for folders and files.
    void SetPathChooser(const PathChooser &chooser) { m_choosePath = chooser; }
    // What Export copies each recording with.
    void SetRecordingCopier(const RecordingCopier &copy) { m_copyRecording = copy; }
    // What End Date and End Time follow until the user changes them.
    void SetClock(const Clock &clock);

    // Adds a folder (folderMode) or a recording to the tree, as Import does
    // with what its dialog chose.
    void ImportRecordingPath(const QString &path, bool folderMode);

signals:
    void CloseTipDlg_signals();

private slots:
    void TreeViewUpdata();
    void FindOverAndDisplayToTable();
    void CheckBoxChanged(int row, int value);
    void Clicked_rightMenu(QPoint pos);
    void RightMenuToPlay();
    void RightMenuToRename();
    void TreeClick_rightMenu(QPoint pos);
    void RightMenuToDelTreeItem();
    void RefreshCurrentItem();
    void TreeWidgetItemClicked(QTreeWidgetItem *item, int column);
    void LanguageChanged();
    void ListNumberChanged();
    void ChooseAliasList();
    void AboutClick();
    void on_pbtn_ImportFile_clicked();
    void on_pbtn_SelectAll_clicked();
    void on_pbtn_ReverseSelect_clicked();
    void on_pbtn_Del_clicked();
    void on_pbtn_AddToFolder_clicked();
    void on_pbtn_ClearList_clicked();
    void on_pbtn_FirstPage_clicked();
    void on_pbtn_PrePage_clicked();
    void on_pbtn_NextPage_clicked();
    void on_pbtn_LastPage_clicked();
    void on_pbtn_Confirm_clicked();
    void on_pbtn_Search_clicked();
    void on_tableView_doubleClicked(QModelIndex index);
    void on_pbtn_PlayorPause_clicked();
    void on_hs_SoundPlayProgress_valueChanged(int value);
    void on_hs_SoundVolume_valueChanged(int value);
    void on_pbtn_PreSound_clicked();
    void on_pbtn_NextSound_clicked();
    void on_pbtn_Volume_clicked();
    void on_pbtn_Min_clicked();
    void on_pbtn_Close_clicked();

private:
    [[noreturn]] void EndStartup(const QString &message, int status);
    void PaintBackground();
    void ShowWindowButtonToolTips();

    // Languages
    bool ScanLanguageFiles(QStringList &paths);
    void LanguageIDConfig(QString &identifier, bool read);
    QString GetLanguageName(const QString &path, QString &identifier);
    bool LoadLanguage(QString &identifier);
    void InitSettingMenu();
    void RetranslateOutsideForm();
    void ShowCalendarLanguage();
    void ReadKeptAliasList();
    void ShowAliasListNote(const QString &text);

    // Look
    void InitStyle();
    void InitShortcuts();

    // Import-path tree
    void InitTreeAndThread();
    QString GetItemPath(QTreeWidgetItem *item) const;
    bool LoadImportPath(const QString &path, int treeNodeID);
    void RunWorkerJob();
    void ShowScanResult(const ScanResult &result);
    void ForgetRemovedItems(const QTreeWidgetItem *removed);
    void RescanItem(QTreeWidgetItem *item);

    // Record list
    void InitSearchWidgets();
    void FollowClockInEnd();
    void InitTableView();
    void UpdatePageInfo();
    bool LoadPage(PageLoadMode mode);
    void GoToPage(PageLoadMode mode);
    void StartListing(const ListingStatements &statements);
    void ShowListingPage(int page);
    void ShowPageRows(const QList<RecordRow> &rows);
    void FitColumnsToTexts();
    QStringList ColumnTexts(int column) const;
    void MoveCheckedCount(int change);
    int CurrentRow() const;
    bool HasRow(int row) const;
    bool ExportRecords(const ExportPlan &plan, const QString &dir);
    void ShowExportProgress(RecordingExport &job);

    // Player
    void InitPlayer();
    bool IsPlaying() const;
    void FillPlayList(QList<RecordRow> *records, QMediaPlaylist *playlist, QMediaPlayer *player);
    void RefreshPlayList();
    void PlayRecord(const QList<RecordRow> *records, int row);
    int FindInPlayList(const QString &path, QMediaPlaylist *playlist);
    void SetBtnImageStyle(QPushButton *button, const QString &name);
    void PlayDurationChanged(qint64 duration);
    void PlayPositionChanged(qint64 position);
    void PlayStateChanged(QMediaPlayer::State state);
    void ShowTimeLabel();
    void ShowPlaybackAtStart();
    void ShowInvalidFile(const QString &fileName);
    void ShowPlaybackSpeeds();
    void ShowPlayerToolTips();
    void StepPlaybackRate(int steps);
    void SkipBy(qint64 milliseconds);
    void ShowNowPlaying();

    Ui::MainWindow *ui;
    OperaThread *m_worker = nullptr;
    TipDlg m_tipDlg;
    TableModel *m_tableModel = nullptr;
    QMenu *m_rowMenu = nullptr;
    QAction *m_playAction = nullptr;
    QAction *m_renameAction = nullptr;
    QMenu *m_settingMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    QMenu *m_listNumberMenu = nullptr;
    QAction *m_aliasListAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QList<RecordRow> m_pageRecords;
    DbProcess m_dbProcess;
    QString m_currentImportPath;
    QString m_listingCondition;
    QString m_countStatement;
    QString m_checkedCountStatement;
    PageStart m_pageStart;
    // Deleting or renaming records may change the count of the listing; the
    // next page request counts it again.
    bool m_countOutdated = false;
    int m_pageSize = 200;
    int m_currentPage = 1;
    unsigned int m_checkedCount = 0;
    unsigned int m_totalCount = 0;
    CheckBoxDelegate *m_checkBoxDelegate = nullptr;
    QTranslator m_translator;
    QString m_currentTimeText;
    QMediaPlaylist m_playlist;
    // Holds the one recording of an unchecked row while it plays.
    std::unique_ptr<QMediaPlaylist> m_singlePlaylist;
    QString m_totalTimeText;
    QMediaPlayer m_player;
    QAction *m_checkedLanguageAction = nullptr;
    QMap<QAction *, QString> m_languageActionFiles;
    QStringList m_languageFiles;
    QAction *m_checkedPageSizeAction = nullptr;
    QMap<QAction *, int> m_pageSizeActions;
    QList<int> m_pageSizes;
    QString m_languageID;
    QMenu *m_treeMenu = nullptr;
    QAction *m_deleteTreeAction = nullptr;
    QAction *m_refreshTreeAction = nullptr;
    int m_nextTreeNodeID = 0;
    QTreeWidgetItem *m_lastClickedItem = nullptr;
    QTreeWidgetItem *m_rightClickedItem = nullptr;
    PathChooser m_choosePath = ChoosePathInDialog;
    RecordingCopier m_copyRecording = CopyRecording;
    Clock m_clock = &QDateTime::currentDateTime;
    // End Date and End Time show the clock's time until the user edits them.
    bool m_endFollowsClock = true;
    // The list shows what Search found, not the whole scan.
    bool m_listingIsSearch = false;
    QTimer m_endClockTimer;
};
