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

#include <QTreeWidgetItem>
#include <QtTest>

#include <sys/stat.h>
#include <tuple>

// The rules of a style block whose fields hold "f0_", "f1_", ... but field
// `cleared` (counted across its groups) empty; all empty for kAllEmpty.
using RulesBuilder = std::function<QString(int cleared)>;
using Call = std::function<QVariant()>;
Q_DECLARE_METATYPE(RulesBuilder)
Q_DECLARE_METATYPE(Call)

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

// A row for the rules of Style, a block of its own or of pointers to Groups.
template <typename Style, typename... Groups>
void AddStyleRow(const char *name, QString (*rules)(const Style &), const QList<int> &unused = {},
                 const QList<int> &blank = {})
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
    QTest::newRow(name) << build << int((sizeof(Groups) + ...) / sizeof(QString)) << unused << blank;
}

// The rules of a style sheet, each up to its closing brace.
QStringList SheetRules(const QString &sheet)
{
    QStringList rules = sheet.split(QLatin1Char('}'));
    rules.removeLast();
    return rules;
}

QString NameAndIdentifier(const QString &file)
{
    QString identifier = "before";
    const QString name = CatalogLanguageName(QStringLiteral(TEST_CATALOG_DIR "/") + file, identifier);
    return name + '|' + identifier;
}

} // namespace

#define CALL_ROW(tag, call, expected) \
    QTest::newRow(tag) << Call([] { return QVariant(call); }) << QVariant(expected)

class TestGuiRules : public QObject
{
    Q_OBJECT

private slots:
    void calls_data();
    void calls();
    void chooseLanguage_data();
    void chooseLanguage();
    void listLanguageFiles_data();
    void listLanguageFiles();
    void languageStore_data();
    void languageStore();
    void styleRules_data();
    void styleRules();
    void treePaths_data();
    void treePaths();
};

// The version text, the catalogs' names, the playing time and the slider's seeking.
void TestGuiRules::calls_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QVariant>("expected");

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
}

void TestGuiRules::calls()
{
    QFETCH(Call, call);
    QTEST(call(), "expected");
}

void TestGuiRules::chooseLanguage_data()
{
    QTest::addColumn<QStringList>("catalogs"); // "name:identifier" in file order
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("identifier"); // after the choice

    const QStringList both{"English:0409", "中文:0804"};
    const QStringList mixed{"Français:", ":0410", "English:0409", "中文:0804", "Deutsch:0407"};
    QTest::newRow("no catalog") << QStringList() << "" << -1 << "";
    QTest::newRow("nothing stored: the first") << both << "" << 0 << "0409";
    QTest::newRow("stored: the second") << both << "0804" << 1 << "0804";
    QTest::newRow("nothing stored: the first usable, not the last") << mixed << "" << 2 << "0409";
    QTest::newRow("unknown stored: the first usable, not the last") << mixed << "0411" << 2 << "0409";
    QTest::newRow("stored of a catalog without a name") << mixed << "0410" << 2 << "0409";
    QTest::newRow("stored: the last") << mixed << "0407" << 4 << "0407";
    QTest::newRow("none usable, stored kept") << QStringList{":0409", "English:"} << "0409" << -1 << "0409";
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
    QTest::addColumn<QStringList>("entries"); // in the folder, "/" ending a folder; "-" no folder
    QTest::addColumn<QStringList>("listed"); // none: false returned

    QTest::newRow("no folder") << QStringList{"-"} << QStringList();
    QTest::newRow("empty folder") << QStringList() << QStringList();
    QTest::newRow("no catalog") << QStringList{"a.ts", "qm", "b.qm.txt", "c.qm/"} << QStringList();
    QTest::newRow("catalogs in name order, upper case first")
        << QStringList{"b.qm", "notes.txt", "a.qm", "sub.qm/", "B.qm"} << QStringList{"B.qm", "a.qm", "b.qm"};
}

void TestGuiRules::listLanguageFiles()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, listed);
    QTemporaryDir root;
    const QString folder = root.filePath("LanguageConfig");
    QVERIFY(entries == QStringList{"-"} || QDir().mkdir(folder));
    for (const QString &entry : entries)
        QVERIFY(entry == "-" || (entry.endsWith('/') ? QDir().mkdir(folder + '/' + entry)
                                                     : WriteFileBytes(folder + '/' + entry, "x")));
    QStringList paths;
    QCOMPARE(ListLanguageFiles(folder, paths), !listed.isEmpty());
    for (QString &name : listed)
        name.prepend(folder + '/');
    QCOMPARE(paths, listed);
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

// Nothing else in the folder changes. A FIFO there would make a read that
// opened it wait for a writer for good.
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
    QVERIFY(kind != "FIFO" || ::mkfifo(QFile::encodeName(settings).constData(), 0644) == 0);
    QVERIFY(kind != "folder" || QDir().mkdir(settings));
    QString identifier = "kept";
    ReadLanguageID(settings, identifier);
    QTEST(identifier, "read");

    const QStringList before = Snapshot(folder.path());
    WriteLanguageID(settings, "0804");
    const QStringList after = Snapshot(folder.path());
    QCOMPARE(Moved(after, "Settings.ini", ""), Moved(before, "Settings.ini", ""));
    QCOMPARE(after == before, !written);
    const QSettings stored(written ? settings : folder.filePath("none.ini"), QSettings::IniFormat);
    if (written)
        QCOMPARE(stored.allKeys().join(',') + '=' + stored.value("Setting/LanguageID").toString(),
                 QString(kind == "file" ? "Other/Kept,Setting/LanguageID=0804" : "Setting/LanguageID=0804"));
}

void TestGuiRules::styleRules_data()
{
    QTest::addColumn<RulesBuilder>("build");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QList<int>>("unused"); // fields that make no rule
    QTest::addColumn<QList<int>>("blank"); // fields whose rule stays, blank, when empty

    using Date = DateEditStyle;
    using Scroll = ScrollBarStyle;
    AddStyleRow<PushButtonStyle, PushButtonStyle>("push button", PushButtonRules);
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
    AddStyleRow<TreeWidgetStyle, TreeWidgetStyle::Tree, TreeWidgetStyle::Items,
                TreeWidgetStyle::Branches>("tree", TreeWidgetRules);
    for (const auto &[name, rules] : {std::make_pair("horizontal scroll bar", HScrollBarRules),
                                      std::make_pair("vertical scroll bar", VScrollBarRules)})
        AddStyleRow<Scroll, Scroll::Bar, Scroll::Handle, Scroll::Page, Scroll::Page,
                    Scroll::LineButton, Scroll::LineButton>(name, rules, {}, {10, 12});
    AddStyleRow<TableViewStyle, TableViewStyle::View, TableViewStyle::Items,
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
        const QStringList kept = SheetRules(build(field));
        QStringList dropped = SheetRules(full);
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

// Two imports of /rec: the first (number 0) holds a, a/deep (numbered 1, as
// if of the other import) and ab; the second (number 1) holds a.
void TestGuiRules::treePaths()
{
    QTreeWidgetItem first{QStringList{"/rec"}}, second{QStringList{"/rec"}};
    second.setData(0, Qt::UserRole, 1);
    QMap<QString, QTreeWidgetItem *> items{{"top", &first}, {"other", &second}, {"", nullptr}};
    for (const QString &spec : {"a top a 0", "deep a deep 1", "ab top ab 0", "otherA other a 1"}) {
        const QStringList field = spec.split(' '); // name, parent, text, number
        items[field[0]] = new QTreeWidgetItem(items[field[1]], QStringList{field[2]});
        items[field[0]]->setData(0, Qt::UserRole, field[3].toInt());
    }
    QFETCH(QString, item);
    QFETCH(QString, other);
    QTEST(TreeItemPath(items[item]), "path");
    QTEST(IsWithinSubtree(items[item], items[other]), "within");
    QTEST(RemovalReloadsList(items[item], items[other]), "reloads");
}

QTEST_MAIN(TestGuiRules)
#include "tst_guirules.moc"
