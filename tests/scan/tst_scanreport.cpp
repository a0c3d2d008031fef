#include "import/scanreport.h"
#include "tests/records/recorddatabase.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// FileCheck, FileName, CreatFileTime, RecordTime, CallingID, ReceiveID,
// RecordType, CallType, SendFre, RecFre, FilePath, ChannelType, RadioID
RecordColumns Columns(const QVariantList &values)
{
    RecordColumns columns;
    for (int i = 0; i < int(columns.size()); ++i)
        columns[i] = values.value(i);
    return columns;
}

QStringList FieldsOf(const QVariantList &values)
{
    return ReportFields(MakeRecordRow(Columns(values), 1), values.value(11));
}

QByteArray WholeReport(ReportFormat format, const QList<QStringList> &records)
{
    QByteArray report = ReportOpening(format);
    for (int i = 0; i < records.size(); ++i)
        report += ReportEntry(format, records.at(i), i);
    return report + ReportClosing(format);
}

const QStringList kFirst{"a.wav", "2024-03-07 14:05:09", "00:01:07", "1001", "2002", "10",
                         "Call Record", "Group Call", "400100", "410200", "/rec/a.wav", "2"};
const QStringList kSecond{"b, \"c\".wav", "2024-03-08 00:00:00", "00:00:01", "-", "-", "-",
                          "Live Record", "-", "-", "-", "/rec/b, \"c\".wav", "1"};

const char kHeader[] = "file_name,start_time,duration,calling_id,receive_id,radio_id,"
                       "record_type,call_type,transmit_frequency,receive_frequency,file_path,"
                       "channel_type\r\n";
const char kFirstCsv[] =
    "a.wav,2024-03-07 14:05:09,00:01:07,1001,2002,10,Call Record,Group Call,400100,410200,"
    "/rec/a.wav,2\r\n";
const char kSecondCsv[] =
    "\"b, \"\"c\"\".wav\",2024-03-08 00:00:00,00:00:01,-,-,-,Live Record,-,-,-,"
    "\"/rec/b, \"\"c\"\".wav\",1\r\n";
const char kFirstJson[] =
    "{\"call_type\":\"Group Call\",\"calling_id\":\"1001\",\"channel_type\":\"2\","
    "\"duration\":\"00:01:07\",\"file_name\":\"a.wav\",\"file_path\":\"/rec/a.wav\","
    "\"radio_id\":\"10\",\"receive_frequency\":\"410200\",\"receive_id\":\"2002\","
    "\"record_type\":\"Call Record\",\"start_time\":\"2024-03-07 14:05:09\","
    "\"transmit_frequency\":\"400100\"}";
const char kSecondJson[] =
    "{\"call_type\":\"-\",\"calling_id\":\"-\",\"channel_type\":\"1\","
    "\"duration\":\"00:00:01\",\"file_name\":\"b, \\\"c\\\".wav\","
    "\"file_path\":\"/rec/b, \\\"c\\\".wav\",\"radio_id\":\"-\",\"receive_frequency\":\"-\","
    "\"receive_id\":\"-\",\"record_type\":\"Live Record\",\"start_time\":\"2024-03-08 00:00:00\","
    "\"transmit_frequency\":\"-\"}";

TestRecord Record(const QString &time, const QString &path)
{
    TestRecord record;
    record.fileName = QFileInfo(path).fileName();
    record.time = time;
    record.filePath = path;
    return record;
}

} // namespace

class TestScanReport : public QObject
{
    Q_OBJECT

private slots:
    void arguments_data();
    void arguments();
    void missingPath_data();
    void missingPath();
    void csvField_data();
    void csvField();
    void csvLine();
    void reportFields_data();
    void reportFields();
    void jsonRecordRoundTrip();
    void reportPieces_data();
    void reportPieces();
    void reportOrder();
    void reportFailures();
};

void TestScanReport::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("help");
    QTest::addColumn<int>("format");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("error");

    const int csv = int(ReportFormat::Csv);
    const int json = int(ReportFormat::Json);
    const QStringList none;
    QTest::newRow("one path") << QStringList{"a"} << false << csv << QStringList{"a"} << "";
    QTest::newRow("two paths") << QStringList{"a", "b c"} << false << csv << QStringList{"a", "b c"}
                               << "";
    QTest::newRow("json") << QStringList{"--format", "json", "a"} << false << json
                          << QStringList{"a"} << "";
    QTest::newRow("csv with =") << QStringList{"--format=csv", "a"} << false << csv
                                << QStringList{"a"} << "";
    QTest::newRow("option after path") << QStringList{"a", "--format", "json"} << false << json
                                       << QStringList{"a"} << "";
    QTest::newRow("dash path after --") << QStringList{"--", "-odd"} << false << csv
                                        << QStringList{"-odd"} << "";
    QTest::newRow("--help") << QStringList{"--help"} << true << csv << none << "";
    QTest::newRow("-h") << QStringList{"-h"} << true << csv << none << "";
    QTest::newRow("help beats a bad format")
        << QStringList{"--format", "xml", "-h"} << true << csv << none << "";
    QTest::newRow("unknown option") << QStringList{"--fast", "a"} << false << csv << none
                                    << "Unknown option 'fast'.";
    QTest::newRow("unknown short option") << QStringList{"-x", "a"} << false << csv << none
                                          << "Unknown option 'x'.";
    QTest::newRow("bad format") << QStringList{"--format", "xml", "a"} << false << csv << none
                                << "unknown format 'xml', use csv or json";
    QTest::newRow("format names are lower case")
        << QStringList{"--format", "JSON", "a"} << false << csv << none
        << "unknown format 'JSON', use csv or json";
    QTest::newRow("format without value") << QStringList{"a", "--format"} << false << csv << none
                                          << "Missing value after '--format'.";
    QTest::newRow("no path") << none << false << csv << none << "no PATH given, see --help";
    QTest::newRow("json without path") << QStringList{"--format", "json"} << false << csv << none
                                       << "no PATH given, see --help";
}

void TestScanReport::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, help);
    QFETCH(int, format);
    QFETCH(QStringList, paths);
    QFETCH(QString, error);

    const ScanOptions options = ParseScanArguments(QStringList{"ovelia-scan"} + arguments);
    QCOMPARE(options.help, help);
    QCOMPARE(options.error, error);
    QCOMPARE(int(options.format), format);
    if (error.isEmpty())
        QCOMPARE(options.paths, paths);
}

void TestScanReport::missingPath_data()
{
    QTest::addColumn<QStringList>("relativePaths");
    QTest::addColumn<QString>("missing");

    QTest::newRow("folder and file exist") << QStringList{"folder", "folder/file.wav"} << "";
    QTest::newRow("missing first") << QStringList{"gone", "folder", "other"} << "gone";
    QTest::newRow("missing after existing") << QStringList{"folder", "folder/gone.wav"}
                                            << "folder/gone.wav";
}

void TestScanReport::missingPath()
{
    QFETCH(QStringList, relativePaths);
    QFETCH(QString, missing);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QFile file(dir.filePath("folder/file.wav"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QStringList paths;
    for (const QString &relative : relativePaths)
        paths.append(dir.filePath(relative));
    const QString expected =
        missing.isEmpty() ? QString() : "no such file or folder: " + dir.filePath(missing);
    QCOMPARE(MissingPathError(paths), expected);
}

void TestScanReport::csvField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");

    QTest::newRow("plain") << "call.wav" << "call.wav";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("spaces kept bare") << " a b " << " a b ";
    QTest::newRow("semicolon kept bare") << "a;b" << "a;b";
    QTest::newRow("comma") << "a,b" << "\"a,b\"";
    QTest::newRow("quote") << "say \"hi\"" << "\"say \"\"hi\"\"\"";
    QTest::newRow("only a quote") << "\"" << "\"\"\"\"";
    QTest::newRow("CR") << "a\rb" << "\"a\rb\"";
    QTest::newRow("LF") << "a\nb" << "\"a\nb\"";
    QTest::newRow("CRLF") << "a\r\nb" << "\"a\r\nb\"";
    const QString nonAscii = QString::fromUtf8("通话 Ωmega Übung");
    QTest::newRow("non-ASCII") << nonAscii << nonAscii;
    QTest::newRow("non-ASCII with comma")
        << QString::fromUtf8("Ü,ö") << QString::fromUtf8("\"Ü,ö\"");
}

void TestScanReport::csvField()
{
    QFETCH(QString, text);
    QFETCH(QString, field);

    QCOMPARE(CsvField(text), field);
}

void TestScanReport::csvLine()
{
    QCOMPARE(CsvLine({"a", "b,c", "", "d\"e"}), QString("a,\"b,c\",,\"d\"\"e\"\r\n"));
    QCOMPARE(CsvLine({"only"}), QString("only\r\n"));
}

void TestScanReport::reportFields_data()
{
    QTest::addColumn<QVariantList>("columns");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("call record, channel type 2")
        << QVariantList{0, "a.wav", "2024-03-07 14:05:09", "00:01:07", 1001, 2002, 2, 1,
                        400100, 410200, "/rec/a.wav", 2, 10}
        << kFirst;
    QTest::newRow("live record without radio ID")
        << QVariantList{1, "b, \"c\".wav", "2024-03-08 00:00:00", "00:00:01", 5, 6, 1, 2, 7, 8,
                        "/rec/b, \"c\".wav", 1, 0}
        << kSecond;
    QTest::newRow("other codes, channel type 3")
        << QVariantList{0, "c.wav", "2024-01-01 00:00:00", "100:00:00", 1, 2, 5, 33, 3, 4,
                        "/c.wav", 3, 9}
        << QStringList{"c.wav", "2024-01-01 00:00:00", "100:00:00", "1", "2", "9",
                       "Other Record", "ZRN Emergency Call", "-", "-", "/c.wav", "3"};
}

void TestScanReport::reportFields()
{
    QFETCH(QVariantList, columns);
    QFETCH(QStringList, fields);

    QCOMPARE(FieldsOf(columns), fields);
    QCOMPARE(fields.size(), ReportColumnNames().size());
}

void TestScanReport::jsonRecordRoundTrip()
{
    const QStringList fields{QString::fromUtf8("通话 \"x\"\\y\n.wav"), "t", "d", "1", "2", "3",
                             "r", "c", "4", "5", QString::fromUtf8("/Ü/通话.wav"), "0"};
    const QByteArray text = JsonRecord(fields);
    QVERIFY2(!text.contains('\n'), text.constData());

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject record = document.object();
    QCOMPARE(record.size(), ReportColumnNames().size());
    for (int i = 0; i < fields.size(); ++i)
        QCOMPARE(record.value(ReportColumnNames().at(i)).toString(), fields.at(i));
}

void TestScanReport::reportPieces_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("recordCount");
    QTest::addColumn<QByteArray>("report");

    const int csv = int(ReportFormat::Csv);
    const int json = int(ReportFormat::Json);
    QTest::newRow("csv, no record") << csv << 0 << QByteArray(kHeader);
    QTest::newRow("csv, one record") << csv << 1 << QByteArray(kHeader) + kFirstCsv;
    QTest::newRow("csv, two records") << csv << 2 << QByteArray(kHeader) + kFirstCsv + kSecondCsv;
    QTest::newRow("json, no record") << json << 0 << QByteArray("[\n]\n");
    QTest::newRow("json, one record") << json << 1 << "[\n" + QByteArray(kFirstJson) + "\n]\n";
    QTest::newRow("json, two records")
        << json << 2 << "[\n" + QByteArray(kFirstJson) + ",\n" + kSecondJson + "\n]\n";
}

void TestScanReport::reportPieces()
{
    QFETCH(int, format);
    QFETCH(int, recordCount);
    QFETCH(QByteArray, report);

    const QList<QStringList> records = QList<QStringList>{kFirst, kSecond}.mid(0, recordCount);
    const QByteArray written = WholeReport(ReportFormat(format), records);
    QCOMPARE(written, report);
    if (ReportFormat(format) == ReportFormat::Json)
        QCOMPARE(QJsonDocument::fromJson(written).array().size(), recordCount);
}

void TestScanReport::reportOrder()
{
    RecordDatabase database;
    QVERIFY(database.IsReady());
    QVERIFY(database.Insert({Record("2024-03-07 10:00:00", "/b/z.wav"),
                             Record("2024-03-07 09:00:00", "/c/y.wav"),
                             Record("2024-03-07 10:00:00", "/a/z.wav"),
                             Record("2023-12-31 23:59:59", "/d/late folder.wav"),
                             Record("2024-03-07 09:00:00", "/c/x.wav")}));

    QBuffer out;
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(WriteReport(QSqlDatabase::database(), ReportFormat::Csv, out), std::optional<int>(5));

    QStringList paths;
    const QList<QByteArray> lines = out.data().split('\n');
    for (const QByteArray &line : lines.mid(1, 5))
        paths.append(QString::fromUtf8(line.split(',').value(10)));
    QCOMPARE(paths, (QStringList{"/d/late folder.wav", "/c/x.wav", "/c/y.wav", "/a/z.wav",
                                 "/b/z.wav"}));
}

void TestScanReport::reportFailures()
{
    QBuffer closed;
    {
        RecordDatabase database;
        QVERIFY(database.IsReady());
        QVERIFY(database.Insert({Record("2024-03-07 10:00:00", "/a.wav")}));
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): device not open");
        QCOMPARE(WriteReport(QSqlDatabase::database(), ReportFormat::Csv, closed), std::nullopt);
    }

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    {
        QSqlDatabase empty = QSqlDatabase::addDatabase("QSQLITE", "empty");
        empty.setDatabaseName(dir.filePath("empty.db"));
        QVERIFY(empty.open());
        QBuffer out;
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(WriteReport(empty, ReportFormat::Json, out), std::nullopt);
        empty.close();
    }
    QSqlDatabase::removeDatabase("empty");
}

QTEST_GUILESS_MAIN(TestScanReport)

#include "tst_scanreport.moc"
