#include "app/languages.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QString FixtureCatalog(const QString &name)
{
    return QStringLiteral(TEST_CATALOG_DIR "/") + name + QStringLiteral(".qm");
}

QString InstalledCatalog(const QString &name)
{
    return LanguageFolder() + QLatin1Char('/') + name;
}

void Touch(const QString &path, const QByteArray &content = QByteArray())
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

LanguageCatalog Catalog(const QString &path, const QString &name, const QString &identifier)
{
    return LanguageCatalog{path, name, identifier};
}

using MessageKey = QPair<QString, QString>; // context, source text

QMap<MessageKey, QString> ReadCatalogSource(const QString &path)
{
    QMap<MessageKey, QString> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            messages.insert({context, source}, xml.readElementText());
    }
    return messages;
}

// Every text the interface shows, by the class whose context translates it.
QList<MessageKey> ExpectedCatalog()
{
    const QMap<QString, QStringList> byContext{
        {"ImportRecordFile",
         {"Browse", "Cancel", "Import", "Open Directory", "Open File", "Path can not be empty!",
          "Select a file", "Select a folder", "Yes"}},
        {"MainWindow",
         {"About", "All Call", "All Type", "Are you sure want to delete these files?",
          "Are you sure want to delete?", "Call Record", "Call Type", "Cancel", "Delete", "Empty",
          "End Date", "End Time", "Export", "Fail to rename!", "File does not exist!",
          "Folder does not exist!", "GO", "Group Call", "Home", "ID", "Import", "Invalid File:",
          "Invert Select", "Keyword", "Language", "LanguageID", "LanguageName", "Last",
          "List of Record Files", "ListNumber", "Live Record", "Next", "OK",
          "Only some files export successfully, please check!",
          "Only some files were deleted, please check!", "Other Record", "Other Type",
          "Path error or can't write!", "Play", "Previous", "Private Call", "ReName", "Ovelia",
          "Recording Type", "Rename", "Save Directory", "Search", "Select All", "Settings",
          "Start Date", "Start Time", "Start time is greater than the end time!", "Success!",
          "Total Selected File(s)", "ZRN All Call", "ZRN Emergency Call", "ZRN Group Call",
          "ZRN Private Call"}},
        {"RenameDialog",
         {"Cancel", "File Name", "File name exists, please re-modify!", "Rename", "Yes"}},
        {"TableModel",
         {"Call ID", "Call Type", "Duration", "File Name", "No.", "Radio ID", "Receive Freq.",
          "Recording Type", "Talker ID", "Time", "Transmit Freq."}},
        {"TipDlg", {"Cancel", "Import", "Importing, please wait..."}},
    };
    QList<MessageKey> keys;
    for (auto it = byContext.cbegin(); it != byContext.cend(); ++it)
        for (const QString &source : it.value())
            keys.append({it.key(), source});
    return keys;
}

} // namespace

Q_DECLARE_METATYPE(LanguageCatalog)

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void listRefusesFolderWithoutCatalogs_data();
    void listRefusesFolderWithoutCatalogs();
    void listSortsUpperCaseFirst();
    void catalogNameAndIdentifier_data();
    void catalogNameAndIdentifier();
    void choose_data();
    void choose();
    void installedCatalogsChooseEnglishFirst();
    void settingsRoundTrip();
    void settingsMissingOrBroken_data();
    void settingsMissingOrBroken();
    void catalogsHoldEveryText_data();
    void catalogsHoldEveryText();
    void tellingEntries_data();
    void tellingEntries();
};

void TestLanguages::listRefusesFolderWithoutCatalogs_data()
{
    QTest::addColumn<QString>("layout");
    QTest::newRow("missing folder") << "missing";
    QTest::newRow("a file, not a folder") << "file";
    QTest::newRow("empty folder") << "empty";
    QTest::newRow("only other files and a folder named x.qm") << "others";
}

void TestLanguages::listRefusesFolderWithoutCatalogs()
{
    QFETCH(QString, layout);
    QTemporaryDir dir;
    const QString folder = dir.path() + "/LanguageConfig";
    if (layout == "file")
        Touch(folder);
    if (layout == "empty" || layout == "others")
        QVERIFY(QDir().mkdir(folder));
    if (layout == "others") {
        Touch(folder + "/readme.txt");
        Touch(folder + "/catalog.qm.bak");
        QVERIFY(QDir().mkdir(folder + "/x.qm"));
    }
    QStringList paths{"untouched"};
    QVERIFY(!ListLanguageFiles(folder, paths));
}

void TestLanguages::listSortsUpperCaseFirst()
{
    QTemporaryDir dir;
    for (const char *name : {"b.qm", "a.qm", "LanguageFile_ch.qm", "LanguageFile_En.qm", "notes.txt"})
        Touch(dir.path() + "/" + name);
    QStringList paths;
    QVERIFY(ListLanguageFiles(dir.path(), paths));
    const QString p = dir.path() + "/";
    QCOMPARE(paths, QStringList({p + "LanguageFile_En.qm", p + "LanguageFile_ch.qm", p + "a.qm",
                                 p + "b.qm"}));
}

void TestLanguages::catalogNameAndIdentifier_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::newRow("English") << InstalledCatalog("LanguageFile_En.qm") << "English" << "0409";
    QTest::newRow("Chinese") << InstalledCatalog("LanguageFile_ch.qm") << "中文" << "0804";
    QTest::newRow("both entries") << FixtureCatalog("Deutsch") << "Deutsch" << "0407";
    QTest::newRow("name only") << FixtureCatalog("NameOnly") << "Français" << "";
    QTest::newRow("identifier only") << FixtureCatalog("IdOnly") << "" << "0410";
    QTest::newRow("missing file") << QString(TEST_CATALOG_DIR "/none.qm") << "" << "";
}

void TestLanguages::catalogNameAndIdentifier()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QString read = "stale";
    QCOMPARE(CatalogLanguageName(path, read), name);
    QCOMPARE(read, identifier);
}

void TestLanguages::choose_data()
{
    QTest::addColumn<QList<LanguageCatalog>>("catalogs");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("identifier");

    const LanguageCatalog en = Catalog("En", "English", "0409");
    const LanguageCatalog ch = Catalog("ch", "中文", "0804");
    const LanguageCatalog nameOnly = Catalog("x", "Français", "");
    const LanguageCatalog idOnly = Catalog("y", "", "0410");
    using List = QList<LanguageCatalog>;

    QTest::newRow("no catalogs") << List{} << "" << -1 << "";
    QTest::newRow("none usable") << List{nameOnly, idOnly} << "0410" << -1 << "0410";
    QTest::newRow("empty takes first usable") << List{nameOnly, en, ch} << "" << 1 << "0409";
    QTest::newRow("stored matches second") << List{en, ch} << "0804" << 1 << "0804";
    QTest::newRow("stored matches first") << List{en, ch} << "0409" << 0 << "0409";
    QTest::newRow("unknown falls back to first usable") << List{idOnly, ch, en} << "0407" << 1
                                                         << "0804";
    QTest::newRow("match is case-sensitive") << List{Catalog("a", "A", "abc"), Catalog("b", "B", "ABC")}
                                             << "ABC" << 1 << "ABC";
    QTest::newRow("identifier-only file never chosen") << List{idOnly, en} << "0410" << 1 << "0409";
}

void TestLanguages::choose()
{
    QFETCH(QList<LanguageCatalog>, catalogs);
    QFETCH(QString, stored);
    QFETCH(int, chosen);
    QFETCH(QString, identifier);
    QCOMPARE(ChooseLanguage(catalogs, stored), chosen);
    QCOMPARE(stored, identifier);
}

void TestLanguages::installedCatalogsChooseEnglishFirst()
{
    QStringList paths;
    QVERIFY(ListLanguageFiles(LanguageFolder(), paths));
    QList<LanguageCatalog> catalogs;
    for (const QString &path : paths) {
        LanguageCatalog catalog{path, QString(), QString()};
        catalog.name = CatalogLanguageName(path, catalog.identifier);
        catalogs << catalog;
    }
    QString identifier;
    const int chosen = ChooseLanguage(catalogs, identifier);
    QVERIFY(chosen >= 0);
    QCOMPARE(QFileInfo(catalogs.at(chosen).path).fileName(), QString("LanguageFile_En.qm"));
    QCOMPARE(identifier, QString("0409"));
}

void TestLanguages::settingsRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/Settings.ini";
    WriteLanguageID(path, "0804");
    QSettings raw(path, QSettings::IniFormat);
    QCOMPARE(raw.value("Setting/LanguageID").toString(), QString("0804"));
    QString identifier;
    ReadLanguageID(path, identifier);
    QCOMPARE(identifier, QString("0804"));
}

void TestLanguages::settingsMissingOrBroken_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing file keeps the value") << "missing" << "kept";
    QTest::newRow("a folder keeps the value") << "folder" << "kept";
    QTest::newRow("no key reads empty") << "nokey" << "";
    QTest::newRow("garbage reads empty") << "garbage" << "";
}

void TestLanguages::settingsMissingOrBroken()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.path() + "/Settings.ini";
    if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    if (kind == "nokey")
        Touch(path, "[Setting]\nOther=1\n");
    if (kind == "garbage")
        Touch(path, QByteArray("\xff\xfe\x00[[[=\n\x01", 10));
    QString identifier = "kept";
    ReadLanguageID(path, identifier);
    QCOMPARE(identifier, expected);
}

void TestLanguages::catalogsHoldEveryText_data()
{
    QTest::addColumn<QString>("catalog");
    QTest::newRow("English") << "LanguageFile_En";
    QTest::newRow("Chinese") << "LanguageFile_ch";
}

void TestLanguages::catalogsHoldEveryText()
{
    QFETCH(QString, catalog);
    const auto source = ReadCatalogSource(QStringLiteral(OVELIA_SOURCE_DIR "/resources/") + catalog + ".ts");
    QTranslator installed;
    QVERIFY(installed.load(InstalledCatalog(catalog + ".qm")));
    const QList<MessageKey> expected = ExpectedCatalog();
    for (const MessageKey &key : expected) {
        QVERIFY2(source.contains(key), qPrintable(key.first + ": " + key.second));
        const QString translated = installed.translate(key.first.toUtf8(), key.second.toUtf8());
        QVERIFY2(!translated.isEmpty(), qPrintable(key.first + ": " + key.second));
    }
    QCOMPARE(source.size(), expected.size());
}

void TestLanguages::tellingEntries_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("LanguageName") << "LanguageName" << "English" << "中文";
    QTest::newRow("LanguageID") << "LanguageID" << "0409" << "0804";
    QTest::newRow("All Type") << "All Type" << "All" << "所有";
    QTest::newRow("ListNumber") << "ListNumber" << "List Number" << "列表个数";
    QTest::newRow("ReName") << "ReName" << "Rename" << "重命名";
    QTest::newRow("Save Directory") << "Save Directory" << "SaveAs" << "保存至";
    QTest::newRow("an ordinary entry") << "Import" << "Import" << "导入";
}

void TestLanguages::tellingEntries()
{
    QFETCH(QString, source);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    QTranslator en;
    QTranslator ch;
    QVERIFY(en.load(InstalledCatalog("LanguageFile_En.qm")));
    QVERIFY(ch.load(InstalledCatalog("LanguageFile_ch.qm")));
    QCOMPARE(en.translate("MainWindow", source.toUtf8()), english);
    QCOMPARE(ch.translate("MainWindow", source.toUtf8()), chinese);
}

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"
