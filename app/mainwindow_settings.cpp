// The Settings button's menu: the interface language, the page size of the
// record list, the list of ID names and the About box.

#include "app/mainwindow.h"
#include "app/version.h"
#include "player/qmenubutton.h"
#include "records/tablemodel.h"
#include "store/programfolders.h"
#include "ui/abouttip.h"
#include "ui/applicationlook.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>

namespace {

void RetranslateFilterBox(QComboBox *box, const QList<FilterItem> &items)
{
    for (int index = 0; index < items.size() && index < box->count(); ++index)
        SetComboItemText(box, index, items.at(index).text);
}

} // namespace

void MainWindow::InitSettingMenu()
{
    m_settingMenu = ui->pbtn_Setting->GetMenu();

    m_languageMenu = m_settingMenu->addMenu(tr("Language"));
    auto *languageGroup = new QActionGroup(this);
    for (const QString &path : qAsConst(m_languageFiles)) {
        QString identifier;
        const QString name = GetLanguageName(path, identifier);
        if (name.isEmpty() || identifier.isEmpty())
            continue;
        QAction *action = m_languageMenu->addAction(name);
        languageGroup->addAction(action);
        action->setCheckable(true);
        if (identifier == m_languageID) {
            action->setChecked(true);
            m_checkedLanguageAction = action;
        }
        m_languageActionFiles.insert(action, path);
        connect(action, &QAction::triggered, this, &MainWindow::LanguageChanged);
    }
    languageGroup->setExclusive(true);

    m_pageSizes = {50, 100, 150, 200};
    m_listNumberMenu = m_settingMenu->addMenu(tr("ListNumber"));
    auto *pageSizeGroup = new QActionGroup(this);
    for (int size : qAsConst(m_pageSizes)) {
        QAction *action = m_listNumberMenu->addAction(QString::number(size));
        pageSizeGroup->addAction(action);
        action->setCheckable(true);
        if (size == 200) {
            action->setChecked(true);
            m_checkedPageSizeAction = action;
        }
        m_pageSizeActions.insert(action, size);
        connect(action, &QAction::triggered, this, &MainWindow::ListNumberChanged);
    }
    pageSizeGroup->setExclusive(true);

    m_aliasListAction = m_settingMenu->addAction(tr("ID Names..."));
    connect(m_aliasListAction, &QAction::triggered, this, &MainWindow::ChooseAliasList);

    m_aboutAction = m_settingMenu->addAction(tr("About"));
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::AboutClick);
}

void MainWindow::LanguageChanged()
{
    if (IsPlaying())
        return;
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    const QString path = m_languageActionFiles.value(action);
    // A failed load would empty the installed translator: try the file first.
    QTranslator trial;
    if (!trial.load(path) || !m_translator.load(path)) {
        // The menu's exclusive group has moved the mark already: put it back.
        if (m_checkedLanguageAction)
            m_checkedLanguageAction->setChecked(true);
        return;
    }
    m_checkedLanguageAction = action;

    QString identifier;
    GetLanguageName(path, identifier);
    LanguageIDConfig(identifier, false);

    QApplication::removeTranslator(&m_translator);
    QApplication::installTranslator(&m_translator);
    ui->retranslateUi(this);
    RetranslateOutsideForm();
    m_tipDlg.ReloadLanguage();
    LoadPage(PageRefresh);
    UpdatePageInfo();
    ShowTimeLabel();
}

// The texts the form does not hold; the Language entries keep their own names.
void MainWindow::RetranslateOutsideForm()
{
    m_languageMenu->setTitle(tr("Language"));
    m_listNumberMenu->setTitle(tr("ListNumber"));
    m_aliasListAction->setText(tr("ID Names..."));
    m_aboutAction->setText(tr("About"));
    m_playAction->setText(tr("Play"));
    m_renameAction->setText(tr("ReName"));
    m_deleteTreeAction->setText(tr("Delete"));
    m_refreshTreeAction->setText(tr("Refresh"));
    RetranslateFilterBox(ui->comBox_CallType, CallTypeFilterItems());
    RetranslateFilterBox(ui->comBox_RecordType, RecordTypeFilterItems());
    ShowPlaybackSpeeds();
    ShowPlayerToolTips();
    ShowWindowButtonToolTips();
    ShowCalendarLanguage();
}

void MainWindow::ListNumberChanged()
{
    if (IsPlaying())
        return;
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    m_checkedPageSizeAction = action;
    m_pageSize = m_pageSizeActions.value(action);
    LoadPage(PageHome);
    UpdatePageInfo();
    RefreshPlayList();
}

// The names change only the texts of the ID cells, never the list under a
// playing recording: the entry is not refused while playing. A list that
// cannot be read leaves the one in use; one that cannot be kept is used for
// this run.
void MainWindow::ChooseAliasList()
{
    const QString path = m_choosePath(this, tr("ID Names"), PathKind::AliasList);
    if (path.isEmpty())
        return;
    const AliasListRead read = ReadAliasList(path);
    if (!read.IsRead()) {
        ShowAliasListNote(tr("Not taken: %1").arg(AliasListFault(read)));
        return;
    }
    m_tableModel->SetAliases(read.aliases);
    FitColumnsToTexts();
    const QString notKept = KeepAliasList(read.bytes, AliasListPath());
    if (!notKept.isEmpty())
        ShowAliasListNote(tr("Not kept for the next start: %1").arg(notKept));
}

// The list kept by an earlier run; none kept is no names.
void MainWindow::ReadKeptAliasList()
{
    const QString path = AliasListPath();
    if (!QFileInfo::exists(path))
        return;
    const AliasListRead read = ReadAliasList(path);
    if (read.IsRead())
        m_tableModel->SetAliases(read.aliases);
    else
        ShowAliasListNote(tr("The kept list was not read: %1").arg(AliasListFault(read)));
}

void MainWindow::ShowAliasListNote(const QString &text)
{
    MsgTipWidthSingleBtn::ShowTip(tr("ID Names"), text, tr("OK"), nullptr);
}

void MainWindow::AboutClick()
{
    AboutTip::ShowTip(tr("About"), tr("Ovelia") + VersionSuffix(ProgramVersion()), tr("OK"),
                      nullptr);
}
