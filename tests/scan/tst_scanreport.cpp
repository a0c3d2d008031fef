// The pieces of ovelia-scan's report and its command line.

#include "tools/ovelia-scan/scanarguments.h"
#include "tools/ovelia-scan/scanreport.h"

#include <QtTest>

namespace {

const QString kHeader = "file_name,start_time,duration,calling_id,receive_id,radio_id,record_type,call_type,"
                        "transmit_frequency,receive_frequency,file_path,channel_type\r\n";
const QStringList kFields{"a, \"b\".wav", "2024-03-07 09:05:03", "00:00:02", "-", "-", "77", "Live Record", "-", "-", "-", "/r/a\n.wav", "1"};
const QByteArray kJson = "{\"call_type\":\"-\",\"calling_id\":\"-\",\"channel_type\":\"1\",\"duration\":\"00:00:02\","
                         "\"file_name\":\"a, \\\"b\\\".wav\",\"file_path\":\"/r/a\\n.wav\",\"radio_id\":\"77\","
                         "\"receive_frequency\":\"-\",\"receive_id\":\"-\",\"record_type\":\"Live Record\","
                         "\"start_time\":\"2024-03-07 09:05:03\",\"transmit_frequency\":\"-\"}";

} // namespace

Q_DECLARE_METATYPE(ReportFormat)

class TestScanReport : public QObject
{
    Q_OBJECT

private slots:
    void csvField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("nothing") << "" << "";
        QTest::newRow("plain, blanks, tab, semicolon") << " a\tb; " << " a\tb; ";
        QTest::newRow("comma") << "a,b" << "\"a,b\"";
        QTest::newRow("quote") << "a\"b" << "\"a\"\"b\"";
        QTest::newRow("quotes only") << "\"\"" << "\"\"\"\"\"\"";
        QTest::newRow("CR") << "a\rb" << "\"a\rb\"";
        QTest::newRow("LF") << "a\nb" << "\"a\nb\"";
        QTest::newRow("CRLF at the end") << "a\r\n" << "\"a\r\n\"";
    }
    void csvField()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(CsvField(text), field);
        QCOMPARE(CsvLine({text, text}), field + ',' + field + "\r\n");
    }

    void csvLine_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("line");
        QTest::newRow("no field") << QStringList() << "\r\n";
        QTest::newRow("one empty field") << QStringList{""} << "\r\n";
        QTest::newRow("two empty fields") << QStringList{"", ""} << ",\r\n";
        QTest::newRow("record") << kFields << "\"a, \"\"b\"\".wav\",2024-03-07 09:05:03,00:00:02,-,-,77,Live Record,-,-,-,\"/r/a\n.wav\",1\r\n";
    }
    void csvLine()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, line);
        QCOMPARE(CsvLine(fields), line);
    }

    // The keys in alphabetical order; missing fields are empty, extra ones dropped.
    void jsonRecord_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("record") << kFields << kJson;
        QTest::newRow("one more field") << kFields + QStringList("x") << kJson;
        QTest::newRow("one field") << QStringList{"\t\x01"} << QByteArray(
            "{\"call_type\":\"\",\"calling_id\":\"\",\"channel_type\":\"\",\"duration\":\"\",\"file_name\":\"\\t\\u0001\","
            "\"file_path\":\"\",\"radio_id\":\"\",\"receive_frequency\":\"\",\"receive_id\":\"\",\"record_type\":\"\","
            "\"start_time\":\"\",\"transmit_frequency\":\"\"}");
    }
    void jsonRecord()
    {
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, json);
        QCOMPARE(JsonRecord(fields), json);
    }

    void reportPieces_data()
    {
        QTest::addColumn<ReportFormat>("format");
        QTest::addColumn<QByteArray>("report"); // opening, entries 0 and 1, closing
        QTest::newRow("CSV") << ReportFormat::Csv << kHeader.toUtf8() + CsvLine(kFields).toUtf8() + CsvLine(kFields).toUtf8();
        QTest::newRow("JSON") << ReportFormat::Json << "[\n" + kJson + ",\n" + kJson + "\n]\n";
    }
    void reportPieces()
    {
        QFETCH(ReportFormat, format);
        QFETCH(QByteArray, report);
        QCOMPARE(ReportOpening(format) + ReportEntry(format, kFields, 0) + ReportEntry(format, kFields, 1) + ReportClosing(format), report);
        QCOMPARE(CsvLine(ReportColumnNames()), kHeader);
    }

    void reportFields()
    {
        RecordRow row;
        for (int field = FieldNumber; field <= FieldFilePath; ++field)
            row.Text(field) = QString::number(field);
        QCOMPARE(ReportFields(row, 3), QString("2 3 4 5 6 7 8 9 10 11 12 3").split(' '));
        QCOMPARE(ReportFields(row, QVariant()).constLast(), QString());
    }

    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("parsed"); // help, format, paths, or the error
        QTest::newRow("one path") << QStringList{"a"} << "csv a";
        QTest::newRow("json, two paths") << QStringList{"--format", "json", "a", "b"} << "json a b";
        QTest::newRow("csv with =") << QStringList{"a", "--format=csv"} << "csv a";
        QTest::newRow("path like an option") << QStringList{"--", "-x"} << "csv -x";
        QTest::newRow("help") << QStringList{"a", "-h"} << "help";
        QTest::newRow("help, long") << QStringList{"--help", "--format", "xml"} << "help";
        QTest::newRow("no path") << QStringList() << "no PATH given, see --help";
        QTest::newRow("json, no path") << QStringList{"--format", "json"} << "no PATH given, see --help";
        QTest::newRow("bad format") << QStringList{"--format", "xml", "a"} << "unknown format 'xml', use csv or json";
        QTest::newRow("format in capitals") << QStringList{"--format", "JSON", "a"} << "unknown format 'JSON', use csv or json";
        QTest::newRow("empty format") << QStringList{"--format=", "a"} << "unknown format '', use csv or json";
        QTest::newRow("format without value") << QStringList{"a", "--format"} << "Missing value after '--format'.";
        QTest::newRow("unknown option") << QStringList{"--fast", "a"} << "Unknown option 'fast'.";
    }
    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, parsed);
        const ScanOptions options = ParseScanArguments(QStringList("ovelia-scan") + arguments);
        const QString format = options.format == ReportFormat::Json ? "json" : "csv";
        QCOMPARE(options.help ? "help" : !options.error.isEmpty() ? options.error : (QStringList(format) + options.paths).join(' '), parsed);
    }

    void missingPath_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("error");
        const QString here = QCoreApplication::applicationFilePath(), gone = here + ".gone";
        QTest::newRow("none") << QStringList() << "";
        QTest::newRow("file and folder") << QStringList{here, "/"} << "";
        QTest::newRow("second missing") << QStringList{here, gone, "/gone"} << "no such file or folder: " + gone;
        QTest::newRow("empty path") << QStringList{""} << "no such file or folder: ";
    }
    void missingPath()
    {
        QFETCH(QStringList, paths);
        QFETCH(QString, error);
        QCOMPARE(MissingPathError(paths), error);
    }
};

QTEST_GUILESS_MAIN(TestScanReport)
#include "tst_scanreport.moc"
