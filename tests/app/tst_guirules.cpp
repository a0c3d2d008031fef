// The rules of the GUI side, called directly: the catalogs listed and the one
// chosen at start, the language kept in Settings.ini, the style-sheet rules,
// the version text, the tree paths, the player's texts, seeking, speeds,
// skips and keys, a tone played through the player's pitch-keeping sink, and
// the images for high-DPI screens, the application's icon, the title strip's
// drag, which the offscreen platform leaves to the window itself, and the
// dialogs cut to their card where no compositing manager runs.

#include "app/appresources.h"
#include "app/commandline.h"
#include "app/languages.h"
#include "app/version.h"
#include "import/importrecordfile.h"
#include "import/treepaths.h"
#include "player/pitchkeepingsink.h"
#include "player/playlistrules.h"
#include "records/celltext.h"
#include "records/renamedialog.h"
#include "records/tablemodel.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/modalanswer.h"
#include "tests/support/recordingfixture.h"
#include "ui/focusedkeys.h"
#include "ui/messagetip.h"
#include "ui/pathchooser.h"
#include "ui/stylesheetbuilder.h"
#include "ui/titlestripdrag.h"
#include "ui/windowbackground.h"

#include <QImage>
#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QTreeWidgetItem>
#include <QtTest>
#include <QtWidgets>

#include <tuple>

// The rules of a style block whose fields hold "f0_", "f1_", ... but field
// `cleared` (counted across its groups) empty; all empty for kAllEmpty.
using RulesBuilder = std::function<QString(int cleared)>;
using Call = std::function<QVariant()>;
Q_DECLARE_METATYPE(RulesBuilder)
Q_DECLARE_METATYPE(Call)

namespace {

constexpr int kAllEmpty = -2;

QString Value(int field) { return QStringLiteral("f%1_").arg(field); }

// The blocks hold QString fields only.
template <typename Block>
void Fill(Block &block, int &field, int cleared)
{
    static_assert(sizeof(Block) % sizeof(QString) == 0, "QString fields only");
    auto *fields = reinterpret_cast<QString *>(&block);
    for (size_t i = 0; i < sizeof(Block) / sizeof(QString); ++i, ++field)
        fields[i] = field == cleared || cleared == kAllEmpty ? QString() : Value(field);
}

// A row for the rules of Style, a block of its own or of pointers to Groups.
template <typename Style, typename... Groups>
void AddStyleRow(const char *name, QString (*rules)(const Style &), const QList<int> &unused = {},
                 const QList<int> &blank = {}, const QStringList &owners = {})
{
    const RulesBuilder build = [rules](int cleared) {
        std::tuple<Groups...> groups;
        int field = 0;
        std::apply([&](Groups &...group) { (Fill(group, field, cleared), ...); }, groups);
        if constexpr (sizeof...(Groups) == 1 && (std::is_same_v<Style, Groups> && ...))
            return rules(std::get<0>(groups));
        else
            return rules(std::apply([](Groups &...group) { return Style{&group...}; }, groups));
    };
    QTest::newRow(name) << build << int((sizeof(Groups) + ...) / sizeof(QString)) << unused << blank << owners;
}

// "<index> <identifier>" of the choice among catalogs of "name:identifier".
QString Chosen(const QStringList &catalogs, QString identifier)
{
    QList<LanguageCatalog> list;
    for (const QString &catalog : catalogs)
        list.append({"/c/" + catalog, catalog.section(':', 0, 0), catalog.section(':', 1)});
    return QString::number(ChooseLanguage(list, identifier)) + ' ' + identifier;
}

// Whether the folder made of entries ("/" ending a folder; none: no folder)
// has catalogs, and their names in the order listed.
QString Listed(const QStringList &entries)
{
    QTemporaryDir root;
    const QString folder = root.filePath("LanguageConfig");
    for (const QString &entry : entries)
        if (!MakeEntry(entry.endsWith('/') ? "folder" : "empty", folder + '/' + entry))
            return "not made";
    QStringList paths;
    const bool found = ListLanguageFiles(folder, paths);
    return (found ? "true " : "false ") + paths.join(',').remove(folder + '/');
}

// What ReadLanguageID reads (from "kept") out of an entry of the kind at
// Settings.ini, then what WriteLanguageID leaves there: its keys and the
// identifier, or "left" when nothing changed. A FIFO opened to be read
// would wait for a writer for good.
QString Stored(const QString &kind)
{
    const QTemporaryDir folder;
    const QString settings = folder.filePath("Settings.ini");
    const QString real = kind == "link" ? folder.filePath("real.ini") : settings;
    const bool written = (kind != "file" && kind != "link")
                         || WriteFileBytes(real, "[Other]\nKept=1\n[Setting]\nLanguageID=0407\n");
    if (!written || !(kind == "link" ? QFile::link(real, settings) : kind == "file" || kind == "absent" || MakeEntry(kind, settings)))
        return "not made";
    QString identifier = "kept";
    ReadLanguageID(settings, identifier);
    const QStringList before = Snapshot(folder.path());
    WriteLanguageID(settings, "0804");
    const QStringList after = Snapshot(folder.path());
    if (Moved(after, "Settings.ini", "") != Moved(before, "Settings.ini", ""))
        return "others changed";
    const QSettings stored(after == before ? folder.filePath("none") : settings, QSettings::IniFormat);
    return identifier + ", " + (after == before ? "left" : stored.allKeys().join(',') + '=' + stored.value("Setting/LanguageID").toString());
}

// For items of two imports of /rec, the first (number 0) holding a, a/deep
// (numbered 1, as if of the other import) and ab, the second (number 1)
// holding a: item's path, "within" when it lies within other, "reloads"
// when removing it with other last clicked reloads the list.
QString TreeRules(const QString &item, const QString &other)
{
    QTreeWidgetItem first{QStringList{"/rec"}}, second{QStringList{"/rec"}};
    second.setData(0, Qt::UserRole, 1);
    QMap<QString, QTreeWidgetItem *> items{{"top", &first}, {"other", &second}, {"", nullptr}};
    for (const char *entry : {"a top a 0", "deep a deep 1", "ab top ab 0", "otherA other a 1"}) {
        const QStringList field = QString(entry).split(' '); // name, parent, text, number
        items[field[0]] = new QTreeWidgetItem(items[field[1]], QStringList{field[2]});
        items[field[0]]->setData(0, Qt::UserRole, field[3].toInt());
    }
    return TreeItemPath(items[item]) + (IsWithinSubtree(items[item], items[other]) ? " within" : "")
           + (RemovalReloadsList(items[item], items[other]) ? " reloads" : "");
}

QString NameAndIdentifier(const QString &file)
{
    QString identifier = "before";
    const QString name = CatalogLanguageName(QStringLiteral(TEST_CATALOG_DIR "/") + file, identifier);
    return name + '|' + identifier;
}

// The interface images without a name@2x.png twice their size beside them.
QString ImagesWithoutDoubles()
{
    RegisterResources();
    const QDir folder(":/PicRes");
    QStringList lacking;
    for (const QString &name : folder.entryList({"*.png"}))
        if (!name.endsWith("@2x.png") && QImage(folder.filePath(QString(name).replace(".png", "@2x.png"))).size()
                                             != 2 * QImage(folder.filePath(name)).size())
            lacking << name;
    return lacking.join(' ');
}

// The sizes "NxN" of the icon theme's folders whose icon is of that size.
QString IconSizes()
{
    RegisterResources();
    QStringList sizes;
    for (const QString &size : QDir(":/icons/hicolor").entryList(QDir::Dirs)) {
        const int side = size.section('x', 0, 0).toInt();
        if (size == QStringLiteral("%1x%1").arg(side) && QImage(":/icons/hicolor/" + size + "/apps/ovelia.png").size() == QSize(side, side))
            sizes << size;
    }
    return sizes.join(' ');
}

// How far a window with a strip 20 high goes when the left button, pressed at
// local y, is held while the mouse moves 30 right and 20 down.
QString Dragged(int y)
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    new TitleStripDrag(&window, 20);
    window.show();
    const QPoint start = window.pos();
    const QPoint press = window.mapToGlobal(QPoint(10, y));
    for (const auto &[type, global] : {std::pair(QEvent::MouseButtonPress, press),
                                       {QEvent::MouseMove, press + QPoint(30, 20)},
                                       {QEvent::MouseButtonRelease, press + QPoint(30, 20)}}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, window.mapFromGlobal(global), global, Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    const QPoint moved = window.pos() - start;
    return QStringLiteral("%1,%2").arg(moved.x()).arg(moved.y());
}

// Which of its corner, its card's rounded corner, the drop shadow under the
// card and its centre a window's mask keeps after a show for each answer to
// whether a compositing manager runs; "unmasked" without a mask.
template <typename Window, typename... Args>
QString MaskKeeps(const QList<bool> &compositing, const Args &...args)
{
    RegisterResources();
    Window window(args...);
    for (const bool runs : compositing) {
        AnswerCompositingWith([runs] { return runs; });
        window.hide();
        window.show();
    }
    QStringList kept;
    for (const auto &[name, point] : {std::pair("corner", QPoint(0, 0)), {"card corner", QPoint(5, 5)},
                                      {"shadow", QPoint(window.width() / 2, window.height() - 8)},
                                      {"centre", window.rect().center()}})
        if (window.mask().contains(point))
            kept << name;
    return window.mask().isEmpty() ? "unmasked" : kept.join(',');
}

// Each speed offered with the speeds one step down and one step up from it.
QString SpeedSteps()
{
    const QVector<qreal> &rate = PlaybackRates();
    QStringList steps;
    for (int i = 0; i < rate.size(); ++i)
        steps << QString("%1:%2,%3").arg(rate[i]).arg(rate[SteppedRateIndex(i, -1)]).arg(rate[SteppedRateIndex(i, 1)]);
    return steps.join(' ');
}

// The rows drawn bold with the playing mark on pages of the records at paths
// ("|" between pages), /r/b.wav playing from the first page on.
QString PlayingRowsOfPages(const QString &pages)
{
    TableModel model;
    QStringList marked;
    for (const QString &page : pages.split('|')) {
        QList<RecordRow> rows;
        for (const QString &path : page.split(' ', Qt::SkipEmptyParts)) {
            rows.append(RecordRow());
            rows.last().filePath = path;
        }
        model.SetRows(rows);
        model.SetPlayingPath("/r/b.wav");
        for (int row = 0; row < rows.size(); ++row)
            if (model.index(row, 1).data(Qt::DecorationRole).isValid() && model.index(row, 5).data(Qt::FontRole).value<QFont>().bold())
                marked << page.section(' ', row, row);
        marked << "|";
    }
    return marked.join("");
}

template <typename Widget>
bool Keeps(int key)
{
    Widget focused;
    return WidgetUsesKey(&focused, key);
}

// Of 16-bit samples at 8 kHz: their seconds, the seconds of 10 ms windows as
// loud as the tone, their frequency by zero crossings and the loudest sample.
std::array<double, 4> Measure(const QByteArray &bytes)
{
    const auto *sample = reinterpret_cast<const qint16 *>(bytes.constData());
    const int count = bytes.size() / 2;
    double crossings = 0, sounding = 0, loudest = 0;
    for (int start = 0; start < count; start += 80) {
        int peak = 0, crossed = 0;
        for (int i = start; i < qMin(start + 80, count); ++i) {
            peak = qMax(peak, std::abs(int(sample[i])));
            crossed += i > 0 && (sample[i - 1] < 0) != (sample[i] < 0);
        }
        loudest = qMax(loudest, double(peak));
        if (peak > 6000) {
            crossings += crossed;
            sounding += qMin(80, count - start);
        }
    }
    return {count / 8000.0, sounding / 8000.0, crossings * 4000 / sounding, loudest};
}

// The width the table lays text out at, with a room of 7 pixels beside it.
int Needed(const QString &text)
{
    QTextLayout layout(text, QApplication::font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(10000);
    layout.endLayout();
    return int(std::ceil(line.naturalTextWidth())) + 7;
}

bool ShowsWhole(const QString &text, int widthPastNeeded)
{
    return TextFitsColumn(text, QFontMetricsF(QApplication::font()), 7, Needed(text) + widthPastNeeded);
}

// The column's width past what its widest text needs, for a least and a most that far from it.
int ColumnPastNeeded(int least, int most)
{
    const int needed = Needed("ZRN Emergency Call");
    return ColumnWidthFor({"All Call", "ZRN Emergency Call", ""}, QFontMetricsF(QApplication::font()), 7, needed + least,
                          needed + most) - needed;
}

// Where a chooser opens after the choices ("f:" a folder, "w:" a recording, "" a cancel, "gone" a/b
// removed) below a folder holding a/b, relative to it, "~" for home.
QString StartAfter(const QStringList &choices)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("a/b");
    ChooserStartFolder start;
    for (const QString &choice : choices) {
        if (choice == "gone")
            QDir(root.filePath("a/b")).removeRecursively();
        else
            start.Remember(choice.isEmpty() ? "" : root.filePath(choice.mid(2)), choice.startsWith("f:") ? PathKind::Folder : PathKind::RecordingFile);
    }
    RunStartFolder() = start;
    const QString dialogFolder = MakeChooserDialog(nullptr, "", PathKind::AliasList)->directory().absolutePath();
    return dialogFolder == QDir::homePath() ? "~" : QDir(root.path()).relativeFilePath(dialogFolder);
}

} // namespace

#define CALL_ROW(tag, call, expected) \
    QTest::newRow(tag) << Call([] { return QVariant(call); }) << QVariant(expected)

class TestGuiRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void calls_data();
    void calls();
    void styleRules_data();
    void styleRules();
    void keepsPitchAtEverySpeed_data();
    void keepsPitchAtEverySpeed();

private:
    QTemporaryDir m_folder;
};

// The player's sink around a file sink that keeps to the clock; two
// recordings of a 1 kHz tone of amplitude 12000.
void TestGuiRules::initTestCase()
{
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "capsfilter caps=audio/x-raw,format=S16LE,channels=1,rate=8000"
            " ! filesink sync=true append=true location=\"" + m_folder.filePath("out.raw").toUtf8() + '"');
    KeepPitchAtAnyRate();
    RecordingFields tone;
    tone.pcm = SinePcm(1200, 1000);
    QVERIFY(WriteRecording(m_folder.filePath("1.wav"), tone) && WriteRecording(m_folder.filePath("2.wav"), tone));
}

// The language chosen at start and kept in Settings.ini, the tree paths, the
// catalogs listed and their names, the version text, the paths given on the
// command line, the playing time and the slider's seeking, the speeds, the
// playlist position, the skips, the keys a focused widget keeps and the
// dialogs' masks.
void TestGuiRules::calls_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QVariant>("expected");

    static const QStringList mixed{"Français:", ":0410", "English:0409", "中文:0804", "Deutsch:0407"};
    CALL_ROW("no catalog", Chosen({}, ""), "-1 ");
    CALL_ROW("nothing stored: the first", Chosen({"English:0409", "中文:0804"}, ""), "0 0409");
    CALL_ROW("stored: the second", Chosen({"English:0409", "中文:0804"}, "0804"), "1 0804");
    CALL_ROW("nothing stored: the first usable, not the last", Chosen(mixed, ""), "2 0409");
    CALL_ROW("unknown stored: the first usable, not the last", Chosen(mixed, "0411"), "2 0409");
    CALL_ROW("stored of a catalog without a name", Chosen(mixed, "0410"), "2 0409");
    CALL_ROW("stored: the last", Chosen(mixed, "0407"), "4 0407");
    CALL_ROW("none usable, stored kept", Chosen({":0409", "English:"}, "0409"), "-1 0409");
    CALL_ROW("none usable, nothing stored", Chosen({"Broken:"}, ""), "-1 ");
    CALL_ROW("Settings.ini absent", Stored("absent"), "kept, Setting/LanguageID=0804");
    CALL_ROW("Settings.ini a regular file", Stored("file"), "0407, Other/Kept,Setting/LanguageID=0804");
    CALL_ROW("Settings.ini a FIFO", Stored("fifo"), "kept, left");
    CALL_ROW("Settings.ini a folder", Stored("folder"), "kept, left");
    CALL_ROW("Settings.ini a link that leads nowhere", Stored("dangling"), "kept, left");
    CALL_ROW("Settings.ini a link to a regular file", Stored("link"), "0407, left");
    CALL_ROW("tree: no item", TreeRules("", "top"), "");
    CALL_ROW("tree: nothing clicked", TreeRules("a", ""), "/rec/a");
    CALL_ROW("tree: itself", TreeRules("a", "a"), "/rec/a within reloads");
    CALL_ROW("tree: the top, below it clicked", TreeRules("top", "a"), "/rec reloads");
    CALL_ROW("tree: below the clicked top", TreeRules("a", "top"), "/rec/a within reloads");
    CALL_ROW("tree: a sibling of a longer name", TreeRules("ab", "a"), "/rec/ab");
    CALL_ROW("tree: the same path, another import", TreeRules("otherA", "a"), "/rec/a");
    CALL_ROW("tree: below, another number", TreeRules("a", "deep"), "/rec/a");
    CALL_ROW("tree: above, another number", TreeRules("deep", "a"), "/rec/a/deep within");
    CALL_ROW("no catalog folder", Listed({}), "false ");
    CALL_ROW("empty catalog folder", Listed({"/"}), "false ");
    CALL_ROW("no catalog in the folder", Listed({"a.ts", "qm", "b.qm.txt", "c.qm/"}), "false ");
    CALL_ROW("catalogs in name order, upper case first",
             Listed({"b.qm", "notes.txt", "a.qm", "sub.qm/", "B.qm"}), "true B.qm,a.qm,b.qm");

    CALL_ROW("version of four numbers", VersionSuffix("1.0.2.1"), " V1.00.02.001");
    CALL_ROW("version of two digits", VersionSuffix("12.34.56.78"), " V12.34.56.078");
    CALL_ROW("version at its widest", VersionSuffix("1.99.99.999"), " V1.99.99.999");
    CALL_ROW("version of three numbers", VersionSuffix("2.5.1"), " V2.05.01.000");
    CALL_ROW("version of one number", VersionSuffix("3"), " V3.00.00.000");
    CALL_ROW("no version", VersionSuffix(""), " V0.00.00.000");
    CALL_ROW("usable catalog", NameAndIdentifier("Deutsch.qm"), "Deutsch|0407");
    CALL_ROW("catalog without an identifier", NameAndIdentifier("NameOnly.qm"), "Français|");
    CALL_ROW("catalog without a name", NameAndIdentifier("IdOnly.qm"), "|0410");
    CALL_ROW("no catalog file", NameAndIdentifier("Missing.qm"), "|");
    const QString here = QDir::currentPath();
    CALL_ROW("no path given", ParseCommandLine({"Ovelia"}).join('|'), "");
    CALL_ROW("paths made absolute and clean", ParseCommandLine({"Ovelia", "calls/", "/srv/rec/../a.wav", "."}).join('|'),
             here + "/calls|/srv/a.wav|" + here);
    CALL_ROW("a path after --", ParseCommandLine({"Ovelia", "--", "-odd.wav"}).join('|'), here + "/-odd.wav");
    CALL_ROW("asks for the version, after a path", AsksOnlyForText({"Ovelia", "calls", "-v"}), true);
    CALL_ROW("asks for nothing; a path named like an option", AsksOnlyForText({"--help", "a", "--", "--help"}), false);
    CALL_ROW("played 0", PlayTimeText(0), "00:00:00");
    CALL_ROW("played 59.999 s", PlayTimeText(59999), "00:00:59");
    CALL_ROW("played 1 min", PlayTimeText(60000), "00:01:00");
    CALL_ROW("played 1 h less 1 ms", PlayTimeText(3599999), "00:59:59");
    CALL_ROW("played 1 h", PlayTimeText(3600000), "01:00:00");
    CALL_ROW("played 25 h 1 s", PlayTimeText(90001000), "25:00:01");
    CALL_ROW("played 100 h", PlayTimeText(360000000), "100:00:00");
    CALL_ROW("slider at the position", SliderSeeks(5000, 5000), false);
    CALL_ROW("slider 99 ms behind", SliderSeeks(5000, 4901), false);
    CALL_ROW("slider 100 ms behind", SliderSeeks(5000, 4900), true);
    CALL_ROW("slider 99 ms ahead", SliderSeeks(5000, 5099), false);
    CALL_ROW("slider 100 ms ahead", SliderSeeks(5000, 5100), true);
    CALL_ROW("dragged by the title strip", Dragged(20), "30,20");
    CALL_ROW("pressed below the title strip", Dragged(21), "0,0");
    CALL_ROW("images at twice their size", ImagesWithoutDoubles(), "");
    CALL_ROW("application icon", IconSizes(), "128x128 16x16 24x24 256x256 32x32 48x48 64x64");
    CALL_ROW("speeds and their steps", SpeedSteps(), "0.5:0.5,0.75 0.75:0.5,1 1:0.75,1.25 1.25:1,1.5 1.5:1.25,2 2:1.5,2");
    CALL_ROW("speed at the start", PlaybackRates().at(kNormalRateIndex), 1.0);
    CALL_ROW("playlist: no entry current", PlaylistPositionText(-1, 3), "");
    CALL_ROW("playlist: one of one", PlaylistPositionText(0, 1), "1 / 1");
    CALL_ROW("playlist: second of seven", PlaylistPositionText(1, 7), "2 / 7");
    CALL_ROW("playlist: last of seven", PlaylistPositionText(6, 7), "7 / 7");
    CALL_ROW("playlist: past the last", PlaylistPositionText(7, 7), "");
    CALL_ROW("skip back from 5 s", SkippedPosition(5000, 60000, -5000), 0);
    CALL_ROW("skip back from 5.001 s", SkippedPosition(5001, 60000, -5000), 1);
    CALL_ROW("skip forward from 1 s", SkippedPosition(1000, 60000, 5000), 6000);
    CALL_ROW("skip forward past the end", SkippedPosition(55001, 60000, 5000), 60000);
    CALL_ROW("skip, duration not known", SkippedPosition(1000, 0, 5000), 1000);
    CALL_ROW("playing row: paged away and back", PlayingRowsOfPages("/r/a.wav /r/b.wav|/r/c.wav|/r/x.wav /r/b.wav.wav /r/b.wav"), "/r/b.wav||/r/b.wav|");
    CALL_ROW("cell: text as wide as its room", ShowsWhole("ZRN Emergency Call", 0), true);
    CALL_ROW("cell: text one pixel too wide", ShowsWhole("ZRN Emergency Call", -1), false);
    CALL_ROW("cell: Chinese text as wide as its room", ShowsWhole("ZRN紧急呼叫", 0), true);
    CALL_ROW("cell: Chinese text one pixel too wide", ShowsWhole("ZRN紧急呼叫", -1), false);
    CALL_ROW("cell: no text, the room one pixel too narrow", ShowsWhole("", -1), false);
    CALL_ROW("column: least below the widest text", ColumnPastNeeded(-1, 100), 0);
    CALL_ROW("column: least above the widest text", ColumnPastNeeded(1, 100), 1);
    CALL_ROW("column: most below the widest text", ColumnPastNeeded(-50, -1), -1);
    CALL_ROW("column: most below the least", ColumnPastNeeded(5, -1), 5);
    CALL_ROW("column: no texts", ColumnWidthFor({}, QFontMetricsF(QApplication::font()), 7, 59, 200), 59);
    CALL_ROW("chooser: no choice yet", StartAfter({}), "~");
    CALL_ROW("chooser: after a folder", StartAfter({"f:a"}), "a");
    CALL_ROW("chooser: after a file", StartAfter({"f:a", "w:a/b/x.wav"}), "a/b");
    CALL_ROW("chooser: a cancel keeps the folder", StartAfter({"f:a", ""}), "a");
    CALL_ROW("chooser: the folder gone", StartAfter({"f:a/b", "gone"}), "~");
    CALL_ROW("Left kept by a focused tree", Keeps<QTreeWidget>(Qt::Key_Left), true);
    CALL_ROW("Right kept by a focused slider", Keeps<QSlider>(Qt::Key_Right), true);
    CALL_ROW("Right kept by a focused button", Keeps<QPushButton>(Qt::Key_Right), true);
    CALL_ROW("Left kept by a focused date edit", Keeps<QDateEdit>(Qt::Key_Left), true);
    CALL_ROW("Right not kept by the table", Keeps<QTableView>(Qt::Key_Right), false);
    CALL_ROW("[ kept by a focused combo box", Keeps<QComboBox>(Qt::Key_BracketLeft), true);
    CALL_ROW("] kept by a focused combo box", Keeps<QComboBox>(Qt::Key_BracketRight), true);
    CALL_ROW("] not kept by a focused tree", Keeps<QTreeWidget>(Qt::Key_BracketRight), false);
    CALL_ROW("each focus rule of a focused widget", FocusRules({"a", "b", "c", "d", "e", "f", "g", "h", "i"}).split('}', Qt::SkipEmptyParts).filter(":focus{").size(), 9);
    CALL_ROW("no compositor: a message dialog cut to its card", MaskKeeps<MessageTip>({false}, "t", "x", "a", "b", nullptr), "centre");
    CALL_ROW("no compositor: the import dialog cut to its card", MaskKeeps<ImportRecordFile>({false}), "centre");
    CALL_ROW("no compositor: the rename dialog cut to its card", MaskKeeps<RenameDialog>({false}), "centre");
    CALL_ROW("compositor: a message dialog unmasked", MaskKeeps<MessageTip>({true}, "t", "x", "a", "b", nullptr), "unmasked");
    CALL_ROW("compositor stopped before the second show", MaskKeeps<RenameDialog>({true, false}), "centre");
    CALL_ROW("compositor started before the second show", MaskKeeps<ImportRecordFile>({false, true}), "unmasked");
}

void TestGuiRules::calls()
{
    QFETCH(Call, call);
    QTEST(call(), "expected");
}

void TestGuiRules::styleRules_data()
{
    QTest::addColumn<RulesBuilder>("build");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QList<int>>("unused"); // fields that make no rule
    QTest::addColumn<QList<int>>("blank"); // fields whose rule stays, blank, when empty
    QTest::addColumn<QStringList>("owners"); // "text=field": a rule with the text carries the field

    using Date = DateEditStyle;
    using Scroll = ScrollBarStyle;
    AddStyleRow<PushButtonStyle, PushButtonStyle>("push button", PushButtonRules, {}, {},
                                                  {"Hover{color=4", "Pressed{color=5", "Disabled.png=6", "disabled{color=7"});
    AddStyleRow<LabelStyle, LabelStyle>("label", LabelRules);
    AddStyleRow<LineEditStyle, LineEditStyle>("line edit", LineEditRules);
    AddStyleRow<LineEditHoverStyle, LineEditHoverStyle>("hovered line edit", LineEditHoverRules);
    AddStyleRow<ComboBoxStyle, ComboBoxStyle>("combo box", ComboBoxRules);
    AddStyleRow<MenuStyle, MenuStyle>("menu", MenuRules);
    AddStyleRow<PaddingStyle, PaddingStyle>("padding", PaddingRules);
    AddStyleRow<TimeEditStyle, TimeEditStyle::Edit, TimeEditStyle::SpinButtons>(
        "time edit", TimeEditRules, {8, 9, 12, 13});
    AddStyleRow<Date, Date::Edit, Date::NavigationBar, Date::MonthButton, Date::YearButton,
                Date::DayGrid>("date edit", DateEditRules);
    AddStyleRow<TreeWidgetStyle, TreeWidgetStyle::Tree, TreeWidgetStyle::Items, TreeWidgetStyle::Branches>(
        "tree", TreeWidgetRules, {}, {}, {"hover{color=9", "selected{color=11", ":open=13", ":closed=14"});
    for (const auto &[name, rules] : {std::make_pair("horizontal scroll bar", HScrollBarRules),
                                      std::make_pair("vertical scroll bar", VScrollBarRules)})
        AddStyleRow<Scroll, Scroll::Bar, Scroll::Handle, Scroll::Page, Scroll::Page,
                    Scroll::LineButton, Scroll::LineButton>(name, rules, {}, {10, 12});
    AddStyleRow<TableViewStyle, TableViewStyle::View, TableViewStyle::Items,
                TableViewStyle::Header>("table", TableViewRules);
    AddStyleRow<FocusStyle, FocusStyle>("focus", FocusRules, {}, {}, {"{outline:=0", "radius=1", "QComboBox=2", "Focused.png=3",
                                                                      "QLineEdit:focus{border:=4", "QDateEdit=5", "QTimeEdit=6", "QTableView=7",
                                                                      "QRadioButton=8"});
}

// Every field set makes its rules, in their places; a field left empty drops
// the rules that need it and adds none; an empty block makes none.
void TestGuiRules::styleRules()
{
    QFETCH(RulesBuilder, build);
    QFETCH(int, fields);
    QFETCH(QList<int>, unused);
    QFETCH(QList<int>, blank);
    QFETCH(QStringList, owners);
    QCOMPARE(build(kAllEmpty), QString());
    const QString full = build(-1);
    for (const QString &rule : full.split('}', Qt::SkipEmptyParts))
        for (const QString &owner : owners)
            QVERIFY2(!rule.contains(owner.section('=', 0, 0)) || rule.contains(Value(owner.section('=', 1).toInt())), qPrintable(owner + ": " + rule));
    for (int field = 0; field < fields; ++field) {
        const QString value = Value(field);
        const QStringList kept = build(field).split('}', Qt::SkipEmptyParts);
        QStringList dropped = full.split('}', Qt::SkipEmptyParts);
        QVERIFY2(full.contains(value) != unused.contains(field), qPrintable(value + ": " + full));
        QVERIFY2(!kept.join('}').contains(value), qPrintable(value));
        if (blank.contains(field)) {
            QCOMPARE(kept.size(), dropped.size());
            continue;
        }
        for (const QString &rule : kept)
            QVERIFY2(dropped.removeOne(rule), qPrintable(value + " cleared, added: " + rule));
        QVERIFY2(dropped.isEmpty() == unused.contains(field), qPrintable(value));
    }
}

void TestGuiRules::keepsPitchAtEverySpeed_data()
{
    QTest::addColumn<qreal>("rate");
    QTest::addColumn<int>("changeAtMs"); // 0: set before playing
    for (qreal rate : {0.75, 1.5, 2.0})
        QTest::addRow("%g", rate) << rate << 0;
    QTest::newRow("2 from 0.5 s on") << 2.0 << 500;
}

// Played one after the other as the window plays them, the two recordings
// keep the tone's pitch, hold the speed into the second and click nowhere.
void TestGuiRules::keepsPitchAtEverySpeed()
{
    QFETCH(qreal, rate);
    QFETCH(int, changeAtMs);
    QFile::remove(m_folder.filePath("out.raw"));
    QMediaPlaylist playlist;
    for (const char *name : {"1.wav", "2.wav"})
        playlist.addMedia(QUrl::fromLocalFile(m_folder.filePath(name)));
    QMediaPlayer player;
    player.setPlaylist(&playlist);
    player.setPlaybackRate(changeAtMs ? 1.0 : rate);
    QSignalSpy states(&player, &QMediaPlayer::stateChanged);
    player.play();
    QTRY_VERIFY2_WITH_TIMEOUT(player.position() >= changeAtMs, "the first recording playing on", kWaitMs);
    const qint64 changedAt = changeAtMs ? player.position() : 0;
    player.setPlaybackRate(rate);
    QTRY_VERIFY2_WITH_TIMEOUT(!states.isEmpty() && player.state() == QMediaPlayer::StoppedState, "the playlist's end", kWaitMs);
    QFile out(m_folder.filePath("out.raw"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const auto [seconds, sounding, hz, loudest] = Measure(out.readAll());
    // The file sink starts its file again at the flush a rate change makes
    // while it plays: the file holds what was rendered from the change on.
    const double expected = (2400 - changedAt) / rate / 1000;
    const QString measured = QString("%1 s (%2 s sounding) of %3 Hz, loudest %4").arg(seconds).arg(sounding).arg(hz).arg(loudest);
    // Each recording loses at most 0.1 s: its first stretch silenced, its last stride.
    QVERIFY2(std::abs(hz - 1000) <= 20 && std::abs(seconds - expected) <= expected * 0.05
             && sounding >= expected - 0.2 && loudest <= 12120, qPrintable(measured));
}

QTEST_MAIN(TestGuiRules)
#include "tst_guirules.moc"
