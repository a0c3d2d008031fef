// Shows the main window with every call type listed and two long import
// paths, its Settings menu, the calendar pop-up, both combo pop-ups, a hovered
// button, the table scrolled to its right end, a tree path's tooltip, the
// focus on a button and on the Import dialog's radio button and every dialog
// on the current display and saves a picture of each:
//   screenshot <output folder> [language ID, e.g. 0409 or 0804]
// The pictures are named <what>-<language ID>.png. Run it under Xvfb through
// tools/screenshot.sh.

#include "app/appresources.h"
#include "app/languages.h"
#include "store/programfolders.h"
#include "app/mainwindow.h"
#include "app/version.h"
#include "import/importrecordfile.h"
#include "player/qmenubutton.h"
#include "records/renamedialog.h"
#include "ui/abouttip.h"
#include "ui/messagetip.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui/proxystyle.h"
#include "ui/tipdlg.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QSqlQuery>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <functional>
#include <memory>

namespace {

QString Text(const char *source)
{
    return QCoreApplication::translate("MainWindow", source);
}

// A listing to look at: sample records in the working database, one of a
// long name, shown by a search over all dates.
void ListSampleRecords(MainWindow &window)
{
    QSqlQuery insert;
    insert.prepare(QStringLiteral("insert into SaveViewDisp values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    // Every call type, and one of a code without a name.
    const int callTypes[] = {0, 1, 2, 16, 17, 18, 33, 3};
    for (int i = 0; i < 14; ++i) {
        const QDateTime start(QDate(2024, 3, 7), QTime(8, 2 * i, (7 * i) % 60));
        const QString name = i == 1 ? QStringLiteral("north gate dispatch, channel 4, shift handover.wav")
                                    : start.toString(QStringLiteral("yyyyMMdd_hhmmss")) + QStringLiteral(".wav");
        const bool live = i % 5 == 4;
        const QVariantList values{i % 3 == 0 ? 1 : 0, name, start.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                                  QTime(0, 0).addSecs(17 + 23 * i).toString(QStringLiteral("hh:mm:ss")),
                                  1001 + i, 2001 + i % 4, live ? 1 : 2, callTypes[i % 8],
                                  410125 + i * 25, 400125 + i * 25,
                                  QStringLiteral("/records/") + name, 2, i % 4 == 0 ? 0 : 7 + i};
        for (int column = 0; column < values.size(); ++column)
            insert.bindValue(column, values.at(column));
        insert.exec();
    }
    window.findChild<QPushButton *>(QStringLiteral("pbtn_Search"))->click();
}

// Two imports from one parent folder, of long names: the tree shows the
// paths cut in the middle, so that the two can be told apart.
QTreeWidgetItem *ImportLongPaths(MainWindow &window, const QString &parent)
{
    const QString archive = parent + QStringLiteral("/dispatch archive 2024 north gate, channel 4");
    for (const QString &shift : {QStringLiteral("/day shift"), QStringLiteral("/night shift")}) {
        QDir().mkpath(archive + shift);
        window.ImportRecordingPath(archive + shift, true);
    }
    return window.findChild<QTreeWidget *>(QStringLiteral("treeWidget"))->topLevelItem(0);
}

// The tooltip of the item, as a hover over it shows it.
QRect ShowItemToolTip(QTreeWidget *tree, QTreeWidgetItem *item, const QRect &whole)
{
    const QPoint middle = tree->visualItemRect(item).center();
    QCursor::setPos(tree->viewport()->mapToGlobal(middle));
    QHelpEvent hover(QEvent::ToolTip, middle, tree->viewport()->mapToGlobal(middle));
    QApplication::sendEvent(tree->viewport(), &hover);
    return whole;
}

struct Shot
{
    QString name;
    // Shows what is to be pictured and returns the screen area to save.
    std::function<QRect()> show;
    std::function<void()> hide;
};

// The mouse rests on the widget, which shows its hover state; away from the window otherwise.
void HoverOver(const QWidget *widget)
{
    QCursor::setPos(widget ? widget->mapToGlobal(widget->rect().center()) : QPoint(1090, 690));
}

void ClosePopup()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    HoverOver(nullptr);
}

// A combo box with its list open and the last item marked, as the mouse would mark it.
QRect OpenCombo(QComboBox *box, const QRect &whole)
{
    box->setCurrentIndex(box->count() - 1);
    box->showPopup();
    HoverOver(nullptr);
    return whole;
}

// Keeps a dialog on screen, not modal, while its picture is taken.
QRect ShowDialog(std::unique_ptr<QDialog> &holder, QDialog *dialog)
{
    holder.reset(dialog);
    dialog->move(40, 40);
    dialog->show();
    return QRect(40, 40, dialog->width(), dialog->height());
}

// The settings file is restored after the run, so a language chosen for the
// pictures does not stay.
class SettingsGuard
{
public:
    explicit SettingsGuard(const QString &languageID)
    {
        QFile file(SettingsFilePath());
        m_existed = file.open(QIODevice::ReadOnly);
        if (m_existed)
            m_content = file.readAll();
        if (!languageID.isEmpty())
            WriteLanguageID(SettingsFilePath(), languageID);
    }
    ~SettingsGuard()
    {
        QFile::remove(SettingsFilePath());
        QFile file(SettingsFilePath());
        if (m_existed && file.open(QIODevice::WriteOnly))
            file.write(m_content);
    }

private:
    bool m_existed = false;
    QByteArray m_content;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString languageID = argc > 2 ? QString::fromLatin1(argv[2]) : QStringLiteral("0409");
    QDir().mkpath(folder);
    const SettingsGuard settings(languageID);
    RegisterResources();
    QApplication::setStyle(new ProxyStyle(nullptr));

    MainWindow window;
    window.move(0, 0);
    window.show();
    const QTemporaryDir imports;
    QTreeWidgetItem *longPath = ImportLongPaths(window, imports.path());
    ListSampleRecords(window);
    HoverOver(nullptr);
    const QRect whole(0, 0, window.width(), window.height());
    auto *settingButton = window.findChild<QMenuButton *>(QStringLiteral("pbtn_Setting"));
    auto *beginDate = window.findChild<QDateEdit *>(QStringLiteral("dateEdit_Begin"));
    auto *callType = window.findChild<QComboBox *>(QStringLiteral("comBox_CallType"));
    auto *recordType = window.findChild<QComboBox *>(QStringLiteral("comBox_RecordType"));
    std::unique_ptr<QDialog> dialog;
    const QString longName = QStringLiteral("2024-03-07 north gate dispatch, channel 4, "
                                            "shift handover call of the night crew.wav");

    const QList<Shot> shots{
        {"mainwindow", [&] { return whole; }, [] {}},
        {"settings-menu",
         [&] {
             QMenu *menu = settingButton->GetMenu();
             menu->popup(settingButton->mapToGlobal(QPoint(0, settingButton->height())));
             menu->setActiveAction(menu->actions().value(0));
             return whole;
         },
         [&] { settingButton->GetMenu()->close(); }},
        {"calendar",
         [&] {
             const QPoint arrow(beginDate->width() - 6, beginDate->height() / 2);
             QMouseEvent press(QEvent::MouseButtonPress, arrow, beginDate->mapToGlobal(arrow),
                               Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(beginDate, &press);
             // The month button under the mouse shows its hover state.
             if (QWidget *popup = QApplication::activePopupWidget())
                 HoverOver(popup->findChild<QToolButton *>(QStringLiteral("qt_calendar_monthbutton")));
             return whole;
         },
         ClosePopup},
        {"calltype-list", [&] { return OpenCombo(callType, whole); }, ClosePopup},
        {"recordtype-list", [&] { return OpenCombo(recordType, whole); }, ClosePopup},
        {"hover",
         [&] {
             HoverOver(window.findChild<QPushButton *>(QStringLiteral("pbtn_Search")));
             return whole;
         },
         [] { HoverOver(nullptr); }},
        {"table-right",
         [&] {
             QScrollBar *bar = window.findChild<QTableView *>(QStringLiteral("tableView"))->horizontalScrollBar();
             bar->setValue(bar->maximum());
             return whole;
         },
         [&] { window.findChild<QTableView *>(QStringLiteral("tableView"))->horizontalScrollBar()->setValue(0); }},
        {"tree-path",
         [&] { return ShowItemToolTip(longPath->treeWidget(), longPath, whole); },
         [] {
             QToolTip::hideText();
             HoverOver(nullptr);
         }},
        {"focus",
         [&] {
             window.activateWindow();
             window.findChild<QPushButton *>(QStringLiteral("pbtn_Search"))->setFocus(Qt::TabFocusReason);
             return whole;
         },
         [] {}},
        {"focus-combo",
         [&] {
             window.activateWindow();
             callType->setFocus(Qt::TabFocusReason);
             return whole;
         },
         [] {}},
        {"messagetip",
         [&] {
             return ShowDialog(dialog, new MessageTip(Text("Delete"),
                                                      Text("Are you sure want to delete these files?"),
                                                      Text("Delete"), Text("Cancel"), nullptr));
         },
         [&] { dialog.reset(); }},
        {"msgtip",
         [&] {
             return ShowDialog(dialog, new MsgTipWidthSingleBtn(
                                           Text("Export"),
                                           Text("Only some files export successfully, please check!"),
                                           Text("OK"), nullptr));
         },
         [&] { dialog.reset(); }},
        {"invalid-file",
         [&] {
             const QRect area = ShowDialog(
                 dialog, new MsgTipWidthSingleBtn(Text("Play"), Text("Invalid File:") + ' ' + longName,
                                                  Text("OK"), nullptr));
             auto *label = dialog->findChild<QLabel *>(QStringLiteral("label_MsgWithSingleBtnWndText"));
             QToolTip::showText(label->mapToGlobal(QPoint(0, label->height() + 4)), label->toolTip(),
                                label);
             return area.adjusted(0, 0, 200, 0);
         },
         [&] {
             QToolTip::hideText();
             dialog.reset();
         }},
        {"abouttip",
         [&] {
             return ShowDialog(dialog, new AboutTip(Text("About"),
                                                    Text("Ovelia") + VersionSuffix(ProgramVersion()),
                                                    Text("OK"), nullptr));
         },
         [&] { dialog.reset(); }},
        {"tipdlg", [&] { return ShowDialog(dialog, new TipDlg); }, [&] { dialog.reset(); }},
        {"import", [&] { return ShowDialog(dialog, new ImportRecordFile); }, [&] { dialog.reset(); }},
        {"import-radio-focus",
         [&] {
             const QRect area = ShowDialog(dialog, new ImportRecordFile);
             dialog->activateWindow();
             dialog->findChild<QRadioButton *>(QStringLiteral("rbtn_SelectFile"))->setFocus(Qt::TabFocusReason);
             return area;
         },
         [&] { dialog.reset(); }},
        {"rename",
         [&] {
             auto *rename = new RenameDialog;
             rename->SetOldPath(QStringLiteral("/records/20240307_140509.wav"));
             rename->ShowName();
             return ShowDialog(dialog, rename);
         },
         [&] { dialog.reset(); }},
    };

    bool saved = true;
    int next = 0;
    QRect area;
    QTimer step;
    step.setInterval(700);
    bool shown = false;
    QObject::connect(&step, &QTimer::timeout, [&] {
        if (next == shots.size()) {
            step.stop();
            window.close();
            return;
        }
        const Shot &shot = shots.at(next);
        if (!shown) {
            area = shot.show();
            shown = true;
            return;
        }
        const QPixmap picture = window.screen()->grabWindow(0, area.x(), area.y(), area.width(),
                                                            area.height());
        saved = picture.save(folder + QStringLiteral("/%1-%2.png").arg(shot.name, languageID)) && saved;
        shot.hide();
        shown = false;
        ++next;
    });
    step.start();
    application.exec();
    return saved ? 0 : 1;
}
