#pragma once

#include "store/dbprocess.h"
#include "ui/tipdlg.h"
#include "ui/titlestripdrag.h"

#include <QMainWindow>
#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QString>
#include <QStringList>
#include <QTranslator>

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

signals:
    void CloseTipDlg_signals();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private slots:
    void on_pbtn_Min_clicked();
    void on_pbtn_Close_clicked();

private:
    [[noreturn]] void EndStartup(const QString &message, int status);
    void PaintBackground();

    // Languages
    bool ScanLanguageFiles(QStringList &paths);
    void LanguageIDConfig(QString &identifier, bool read);
    QString GetLanguageName(const QString &path, QString &identifier);
    bool LoadLanguage(QString &identifier);

    TitleStripDrag m_drag{kTitleBandHeight};
    Ui::MainWindow *ui;
    TipDlg m_tipDlg;
    DbProcess m_dbProcess;
    QString m_currentImportPath;
    QString m_selectStatement;
    QString m_countStatement;
    QString m_checkedCountStatement;
    int m_pageSize = 200;
    int m_currentPage = 1;
    int m_checkedCount = 0;
    int m_totalCount = 0;
    QTranslator m_translator;
    QString m_currentTimeText;
    QMediaPlaylist m_playlist;
    QString m_totalTimeText;
    QMediaPlayer m_player;
    QStringList m_languageFiles;
    QString m_languageID;
};
