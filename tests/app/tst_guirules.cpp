// The rules of the GUI side, called directly: the catalogs listed and the one
// chosen at start, the language kept in Settings.ini, the style-sheet rules,
// the version text, the tree paths and the player's texts and seeking.

#include "app/languages.h"
#include "app/version.h"
#include "import/treepaths.h"
#include "player/playlistrules.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/recordingfixture.h"
#include "ui/stylesheetbuilder.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidgetItem>
#include <QtTest>

#include <sys/stat.h>
#include <tuple>

// The rules of a style block whose fields hold "f0_", "f1_", ... but field
// `cleared` (counted across its groups) empty; all empty for kAllEmpty.
using RulesBuilder = std::function<QString(int cleared)>;
Q_DECLARE_METATYPE(RulesBuilder)

namespace {

constexpr int kAllEmpty = -2;

QString Value(int field)
{
    return QStringLiteral("f%1_").arg(field);
}

// The blocks hold QString fields only.
template <typename Block>
void Fill(Block &block, int &field, int cleared)
{
    static_assert(sizeof(Block) % sizeof(QString) == 0, "QString fields only");
    auto *fields = reinterpret_cast<QString *>(&block);
    for (size_t i = 0; i < sizeof(Block) / sizeof(QString); ++i, ++field)
        fields[i] = field == cleared || cleared == kAllEmpty ? QString() : Value(field);
}

template <typename Style, typename... Groups>
void AddBuilderRow(const char *name, QString (*rules)(const Style &),
                   const QList<int> &unused = {}, const QList<int> &blank = {})
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
    const int fields = int((sizeof(Groups) + ...) / sizeof(QString));
    QTest::newRow(name) << build << fields << unused << blank;
}

// The rules of a style sheet, each up to its closing brace.
QStringList SheetRules(const QString &sheet)
{
    QStringList rules = sheet.split(QLatin1Char('}'));
    rules.removeLast();
    return rules;
}

struct Tree
{
    QTreeWidgetItem top{QStringList{"/rec"}};
    QTreeWidgetItem *a = new QTreeWidgetItem(&top, QStringList{"a"});
    QTreeWidgetItem *deep = new QTreeWidgetItem(a, QStringList{"deep"});
    QTreeWidgetItem *ab = new QTreeWidgetItem(&top, QStringList{"ab"});
    QTreeWidgetItem other{QStringList{"/rec"}}; // a second import of the same folder
    QTreeWidgetItem *otherA = new QTreeWidgetItem(&other, QStringList{"a"});

    Tree()
    {
        for (QTreeWidgetItem *item : {&other, otherA})
            item->setData(0, Qt::UserRole, 1);
        deep->setData(0, Qt::UserRole, 1); // below the first import, yet numbered as the second
        for (QTreeWidgetItem *item : {&top, a, ab})
            item->setData(0, Qt::UserRole, 0);
    }
    QTreeWidgetItem *Item(const QString &name)
    {
        const QMap<QString, QTreeWidgetItem *> items{{"top", &top}, {"a", a},       {"deep", deep},
                                                     {"ab", ab},    {"other", &other}, {"otherA", otherA}};
        return items.value(name);
    }
};

} // namespace

class TestGuiRules : public QObject
{
    Q_OBJECT

private slots:
    void chooseLanguage_data();
    void chooseLanguage();
    void listLanguageFiles_data();
    void listLanguageFiles();
    void catalogLanguageName_data();
    void catalogLanguageName();
    void languageStore_data();
    void languageStore();
    void styleRules_data();
    void styleRules();
    void versionSuffix_data();
    void versionSuffix();
    void treePaths_data();
    void treePaths();
    void playTimeText_data();
    void playTimeText();
    void sliderSeeks_data();
    void sliderSeeks();
};

void TestGuiRules::chooseLanguage_data()
{
    QTest::addColumn<QStringList>("catalogs"); // "name:identifier" in file order
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("identifier"); // after the choice

    const QStringList both{"English:0409", "中文:0804"};
    QTest::newRow("no catalog") << QStringList() << "" << -1 << "";
    QTest::newRow("nothing stored: the first") << both << "" << 0 << "0409";
    QTest::newRow("stored: the second") << both << "0804" << 1 << "0804";
    QTest::newRow("nothing stored: the first usable, not the last")
        << QStringList{":0407", "Français:", "English:0409", "中文:0804", "Deutsch:0407"} << ""
        << 2 << "0409";
    QTest::newRow("unknown stored: the first usable, not the last")
        << QStringList{"Français:", "English:0409", "中文:0804", "Deutsch:0407"} << "0410" << 1
        << "0409";
    QTest::newRow("stored of a catalog without a name")
        << QStringList{":0410", "中文:0804", "English:0409"} << "0410" << 1 << "0804";
    QTest::newRow("none usable, stored kept") << QStringList{":0409", "English:"} << "0409" << -1
                                             << "0409";
    QTest::newRow("none usable, nothing stored") << QStringList{"Broken:"} << "" << -1 << "";
}

void TestGuiRules::chooseLanguage()
{
    QFETCH(QStringList, catalogs);
    QFETCH(QString, stored);
    QList<LanguageCatalog> list;
    for (const QString &catalog : catalogs)
        list.append({"/c/" + catalog, catalog.section(':', 0, 0), catalog.section(':', 1)});
    QTEST(ChooseLanguage(list, stored), "chosen");
    QTEST(stored, "identifier");
}

void TestGuiRules::listLanguageFiles_data()
{
    QTest::addColumn<QStringList>("entries"); // in the folder; "/" ends a folder
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("no folder") << QStringList{"-"} << false << QStringList();
    QTest::newRow("a file in the folder's place") << QStringList{"="} << false << QStringList();
    QTest::newRow("empty folder") << QStringList() << false << QStringList();
    QTest::newRow("no catalog") << QStringList{"a.ts", "qm", "b.qm.txt", "c.qm/"} << false
                                << QStringList();
    QTest::newRow("catalogs in name order, upper case first")
        << QStringList{"b.qm", "notes.txt", "a.qm", "sub.qm/", "B.qm"} << true
        << QStringList{"B.qm", "a.qm", "b.qm"};
}

void TestGuiRules::listLanguageFiles()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, listed);
    QTemporaryDir root;
    const QString folder = root.filePath("LanguageConfig");
    if (entries != QStringList{"-"})
        QVERIFY(entries == QStringList{"="} ? WriteFileBytes(folder, "x") : QDir().mkdir(folder));
    for (const QString &entry : entries)
        if (entry.size() > 1)
            QVERIFY(entry.endsWith('/') ? QDir().mkdir(folder + '/' + entry)
                                        : WriteFileBytes(folder + '/' + entry, "x"));
    QStringList paths;
    QTEST(ListLanguageFiles(folder, paths), "found");
    for (QString &name : listed)
        name.prepend(folder + '/');
    QCOMPARE(paths.isEmpty() ? QStringList() : paths, listed);
}

void TestGuiRules::catalogLanguageName_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");

    QTest::newRow("usable") << "Deutsch.qm" << "Deutsch" << "0407";
    QTest::newRow("without an identifier") << "NameOnly.qm" << "Français" << "";
    QTest::newRow("without a name") << "IdOnly.qm" << "" << "0410";
    QTest::newRow("no such file") << "Missing.qm" << "" << "";
}

void TestGuiRules::catalogLanguageName()
{
    QFETCH(QString, file);
    QString identifier = "before";
    QTEST(CatalogLanguageName(QStringLiteral(TEST_CATALOG_DIR "/") + file, identifier), "name");
    QTEST(identifier, "identifier");
}

void TestGuiRules::languageStore_data()
{
    QTest::addColumn<QString>("kind"); // of the entry at Settings.ini
    QTest::addColumn<QString>("read"); // from "kept"
    QTest::addColumn<bool>("written");

    QTest::newRow("absent") << "absent" << "kept" << true;
    QTest::newRow("a regular file") << "file" << "0407" << true;
    QTest::newRow("a FIFO") << "FIFO" << "kept" << false;
    QTest::newRow("a folder") << "folder" << "kept" << false;
    QTest::newRow("a link that leads nowhere") << "dangling" << "kept" << false;
    QTest::newRow("a link to a regular file") << "link" << "0407" << false;
}

// A FIFO there would make a read that opens it wait for a writer for good.
void TestGuiRules::languageStore()
{
    QFETCH(QString, kind);
    QFETCH(bool, written);
    QTemporaryDir folder;
    const QString settings = folder.filePath("Settings.ini");
    const QByteArray text = "[Other]\nKept=1\n\n[Setting]\nLanguageID=0407\n";
    if (kind == "file" || kind == "link")
        QVERIFY(WriteFileBytes(kind == "file" ? settings : folder.filePath("real.ini"), text));
    if (kind == "link" || kind == "dangling")
        QVERIFY(QFile::link(folder.filePath(kind == "link" ? "real.ini" : "gone.ini"), settings));
    if (kind == "FIFO")
        QVERIFY(::mkfifo(QFile::encodeName(settings).constData(), 0644) == 0);
    if (kind == "folder")
        QVERIFY(QDir().mkdir(settings));
    QString identifier = "kept";
    ReadLanguageID(settings, identifier);
    QTEST(identifier, "read");

    const QStringList before = Snapshot(folder.path());
    WriteLanguageID(settings, "0804");
    const QStringList after = Snapshot(folder.path());
    QCOMPARE(Moved(after, "Settings.ini", ""), Moved(before, "Settings.ini", ""));
    QCOMPARE(after == before, !written);
    if (written) {
        const QSettings stored(settings, QSettings::IniFormat);
        QCOMPARE(stored.allKeys().join(','), kind == "file" ? "Other/Kept,Setting/LanguageID"
                                                            : "Setting/LanguageID");
        QCOMPARE(stored.value("Setting/LanguageID").toString(), QString("0804"));
    }
}

void TestGuiRules::styleRules_data()
{
    QTest::addColumn<RulesBuilder>("build");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QList<int>>("unused"); // fields that make no rule
    QTest::addColumn<QList<int>>("blank"); // fields whose rule stays, blank, when empty

    using Date = DateEditStyle;
    using Scroll = ScrollBarStyle;
    AddBuilderRow<PushButtonStyle, PushButtonStyle>("push button", PushButtonRules);
    AddBuilderRow<LabelStyle, LabelStyle>("label", LabelRules);
    AddBuilderRow<LineEditStyle, LineEditStyle>("line edit", LineEditRules);
    AddBuilderRow<LineEditHoverStyle, LineEditHoverStyle>("hovered line edit", LineEditHoverRules);
    AddBuilderRow<ComboBoxStyle, ComboBoxStyle>("combo box", ComboBoxRules);
    AddBuilderRow<MenuStyle, MenuStyle>("menu", MenuRules);
    AddBuilderRow<PaddingStyle, PaddingStyle>("padding", PaddingRules);
    AddBuilderRow<TimeEditStyle, TimeEditStyle::Edit, TimeEditStyle::SpinButtons>(
        "time edit", TimeEditRules, {8, 9, 12, 13});
    AddBuilderRow<Date, Date::Edit, Date::NavigationBar, Date::MonthButton, Date::YearButton,
                  Date::DayGrid>("date edit", DateEditRules);
    AddBuilderRow<TreeWidgetStyle, TreeWidgetStyle::Tree, TreeWidgetStyle::Items,
                  TreeWidgetStyle::Branches>("tree", TreeWidgetRules);
    for (const auto &[name, rules] : {std::make_pair("horizontal scroll bar", HScrollBarRules),
                                      std::make_pair("vertical scroll bar", VScrollBarRules)})
        AddBuilderRow<Scroll, Scroll::Bar, Scroll::Handle, Scroll::Page, Scroll::Page,
                      Scroll::LineButton, Scroll::LineButton>(name, rules, {}, {10, 12});
    AddBuilderRow<TableViewStyle, TableViewStyle::View, TableViewStyle::Items,
                  TableViewStyle::Header>("table", TableViewRules);
}

// Every field set makes its rules; a field left empty drops the rules that
// need it and adds none; an empty block makes none.
void TestGuiRules::styleRules()
{
    QFETCH(RulesBuilder, build);
    QFETCH(int, fields);
    QFETCH(QList<int>, unused);
    QFETCH(QList<int>, blank);
    QCOMPARE(build(kAllEmpty), QString());
    const QString full = build(-1);
    for (int field = 0; field < fields; ++field) {
        const QString value = Value(field);
        const QString cleared = build(field);
        QVERIFY2(full.contains(value) != unused.contains(field), qPrintable(value + ": " + full));
        QVERIFY2(!cleared.contains(value), qPrintable(value + ": " + cleared));
        const QStringList kept = SheetRules(cleared);
        QStringList dropped = SheetRules(full);
        if (blank.contains(field)) {
            QCOMPARE(kept.size(), dropped.size());
            continue;
        }
        for (const QString &rule : kept)
            QVERIFY2(dropped.removeOne(rule), qPrintable(value + " cleared, added: " + rule));
        QVERIFY2(dropped.isEmpty() == unused.contains(field), qPrintable(value));
    }
}

void TestGuiRules::versionSuffix_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("four numbers") << "1.0.2.1" << " V1.00.02.001";
    QTest::newRow("two digits") << "12.34.56.78" << " V12.34.56.078";
    QTest::newRow("widest") << "1.99.99.999" << " V1.99.99.999";
    QTest::newRow("three numbers") << "2.5.1" << " V2.05.01.000";
    QTest::newRow("one number") << "3" << " V3.00.00.000";
    QTest::newRow("none") << "" << " V0.00.00.000";
}

void TestGuiRules::versionSuffix()
{
    QFETCH(QString, version);
    QTEST(VersionSuffix(version), "suffix");
}

void TestGuiRules::treePaths_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("path"); // of item
    QTest::addColumn<bool>("within"); // item within other's subtree
    QTest::addColumn<bool>("reloads"); // removing item with other last clicked

    QTest::newRow("no item") << "" << "top" << "" << false << false;
    QTest::newRow("nothing clicked") << "a" << "" << "/rec/a" << false << false;
    QTest::newRow("itself") << "a" << "a" << "/rec/a" << true << true;
    QTest::newRow("the top, below it clicked") << "top" << "a" << "/rec" << false << true;
    QTest::newRow("below the clicked top") << "a" << "top" << "/rec/a" << true << true;
    QTest::newRow("a sibling of a longer name") << "ab" << "a" << "/rec/ab" << false << false;
    QTest::newRow("the same path, another import") << "otherA" << "a" << "/rec/a" << false << false;
    QTest::newRow("below, another number") << "a" << "deep" << "/rec/a" << false << false;
    QTest::newRow("above, another number") << "deep" << "a" << "/rec/a/deep" << true << false;
}

void TestGuiRules::treePaths()
{
    QFETCH(QString, item);
    QFETCH(QString, other);
    Tree tree;
    QTEST(TreeItemPath(tree.Item(item)), "path");
    QTEST(IsWithinSubtree(tree.Item(item), tree.Item(other)), "within");
    QTEST(RemovalReloadsList(tree.Item(item), tree.Item(other)), "reloads");
}

void TestGuiRules::playTimeText_data()
{
    QTest::addColumn<qint64>("milliseconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << qint64(0) << "00:00:00";
    QTest::newRow("59.999 s") << qint64(59999) << "00:00:59";
    QTest::newRow("1 min") << qint64(60000) << "00:01:00";
    QTest::newRow("1 h less 1 ms") << qint64(3599999) << "00:59:59";
    QTest::newRow("1 h") << qint64(3600000) << "01:00:00";
    QTest::newRow("25 h 1 s") << qint64(90001000) << "25:00:01";
    QTest::newRow("100 h") << qint64(360000000) << "100:00:00";
}

void TestGuiRules::playTimeText()
{
    QFETCH(qint64, milliseconds);
    QTEST(PlayTimeText(milliseconds), "text");
}

void TestGuiRules::sliderSeeks_data()
{
    QTest::addColumn<qint64>("position");
    QTest::addColumn<int>("slider");
    QTest::addColumn<bool>("seeks");

    QTest::newRow("at the position") << qint64(5000) << 5000 << false;
    QTest::newRow("99 ms behind") << qint64(5000) << 4901 << false;
    QTest::newRow("100 ms behind") << qint64(5000) << 4900 << true;
    QTest::newRow("99 ms ahead") << qint64(5000) << 5099 << false;
    QTest::newRow("100 ms ahead") << qint64(5000) << 5100 << true;
}

void TestGuiRules::sliderSeeks()
{
    QFETCH(qint64, position);
    QFETCH(int, slider);
    QTEST(SliderSeeks(position, slider), "seeks");
}

QTEST_MAIN(TestGuiRules)
#include "tst_guirules.moc"
