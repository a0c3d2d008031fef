// The list of ID names: the CSV it reads, the names each kind of ID takes, the faults that refuse a list with their
// lines, and the texts of the table's ID cells.

#include "records/recordrow.h"

#include <QtTest>

// For a list read, each "<id>[r|g]=" of expected (a radio's, a group's or any ID's) with the name found, joined by '|';
// for a list refused, its fault.
static QString Read(const QByteArray &bytes, const QString &expected)
{
    const AliasListRead read = ParseAliasList(bytes);
    if (!read.IsRead())
        return AliasListFault(read);
    QStringList found;
    for (const QString &probe : expected.split('|')) {
        const QString id = probe.section('=', 0, 0);
        const AliasKind kind = id.endsWith('r') ? AliasKind::Radio : id.endsWith('g') ? AliasKind::Group : AliasKind::Any;
        found << id + '=' + read.aliases.NameOf(id.chopped(kind != AliasKind::Any).toUInt(), kind);
    }
    return found.join('|');
}

class TestIdAliases : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes"); QTest::addColumn<QString>("expected");
        const QString notAnId = "\"%1\" is not an ID (0 to 4294967295)";
        for (const auto &[tag, bytes, expected] : std::initializer_list<std::tuple<const char *, QByteArray, QString>>{
                 {"comma; a name without a kind for any ID", "id,name\n1001,Alpha\n", "1001r=Alpha|1001g=Alpha|1001=Alpha|1002="},
                 {"byte-order mark, semicolons, CRLF", "\xEF\xBB\xBFid;name;kind\r\n7;\"A;1\";\r\n8;B,2;group\r\n", "7=A;1|8g=B,2"},
                 {"quoted separators, quotes, line ends", "id,name\n1,\"Gate 4, \"\"north\"\"\nyard\"\n2,\"\"\"\"\n", "1=Gate 4, \"north\"\nyard|2=\""},
                 {"kinds; columns by name, others left", "Kind,NAME,note,Id\nradio,R,x,9\ngroup,G,,9\n,A,,10\n GROUP ,B,,11\n", "9r=R|9g=G|9=|10g=A|11r=|11g=B"},
                 {"two columns, any header", "Radio,Alias\n5,Five\n", "5g=Five"},
                 {"two columns, id named second", "Alias,ID\nSix,6\n", "6=Six"},
                 {"blanks trimmed, blank rows skipped", "\n id , name \n\n 11 , Eleven \n,\n", "11=Eleven"},
                 {"largest ID, no line end", "id,name\n4294967295,Max", "4294967295=Max|0="},
                 {"header only: no names", "id,name\r\n", "1="},
                 {"empty", "", "line 1: no header row"}, {"blank rows only", "\xEF\xBB\xBF\n,\n", "line 1: no header row"},
                 {"no name column", "id,kind,note\n", "line 1: no \"name\" column"}, {"no id column", "\nname,kind,note\n", "line 2: no \"id\" column"},
                 {"ID not a number", "id,name\n1,A\n12a,B\n", "line 3: " + notAnId.arg("12a")},
                 {"ID past 32 bits", "id,name\n4294967296,A\n", "line 2: " + notAnId.arg("4294967296")},
                 {"ID signed", "id,name\n+1,A\n", "line 2: " + notAnId.arg("+1")},
                 {"lines counted in quotes", "id,name\n1,\"A\r\nB\"\n-1,C\n", "line 4: " + notAnId.arg("-1")},
                 {"name empty", "id,name\n1,  \n", "line 2: the name is empty"},
                 {"kind unknown", "id,name,kind\n1,A,car\n", "line 2: kind \"car\" is not radio or group"},
                 {"field missing", "id;name\n1;A\n2\n", "line 3: the header has 2 fields, this row 1"},
                 {"field too many", "id,name\n1,A,B\n", "line 2: the header has 2 fields, this row 3"},
                 {"ID and kind twice", "id,name,kind\n1,A,radio\n1,B,group\n1,C,Radio\n", "line 4: ID 1 of this kind is named on line 2 too"},
                 {"ID without a kind twice", "id,name\n7,A\n\n07,B\n", "line 4: ID 7 of this kind is named on line 2 too"},
                 {"quote not closed", "id,name\n1,A\n2,\"B\n3,C\n", "line 3: a quote is not closed"},
                 {"text after a closing quote", "id,name\n1,\"A\" B\n", "line 2: text after a closing quote"},
                 {"not UTF-8", "id,name\n1,A\n2,\xC3\n", "line 3: not UTF-8 text"}})
            QTest::newRow(tag) << bytes << expected;
    }
    void read()
    {
        QFETCH(QByteArray, bytes); QFETCH(QString, expected);
        QCOMPARE(Read(bytes, expected), expected);
    }

    // Talker 1001, Call 2002 and the radio's ID of a call record: the texts of the three cells.
    void cellTexts_data()
    {
        QTest::addColumn<int>("callType"); QTest::addColumn<int>("channelType"); QTest::addColumn<int>("radioId"); QTest::addColumn<QString>("cells");
        for (const auto &[tag, callType, channelType, radioId, cells] : std::initializer_list<std::tuple<const char *, int, int, int, QString>>{
                 {"group call: the group's name", 1, 2, 77, "Rita (1001)|Gina (2002)|Base (77)"}, {"all call", 2, 2, 77, "Rita (1001)|Gina (2002)|Base (77)"},
                 {"ZRN group call", 17, 2, 77, "Rita (1001)|Gina (2002)|Base (77)"}, {"ZRN all call", 18, 2, 77, "Rita (1001)|Gina (2002)|Base (77)"},
                 {"private call: the radio's name", 0, 2, 77, "Rita (1001)|Pete (2002)|Base (77)"}, {"ZRN private call", 16, 2, 77, "Rita (1001)|Pete (2002)|Base (77)"},
                 {"emergency call: names without a kind only", 33, 2, 78, "Rita (1001)|2002|78"}, {"other type", 3, 2, 0, "Rita (1001)|2002|-"},
                 {"no parties on the channel", 1, 1, 77, "-|-|Base (77)"}})
            QTest::newRow(tag) << callType << channelType << radioId << cells;
    }
    void cellTexts()
    {
        QFETCH(int, callType); QFETCH(int, channelType); QFETCH(int, radioId); QFETCH(QString, cells);
        const IdAliases aliases = ParseAliasList("id,name,kind\n1001,Rita,radio\n2002,Gina,group\n2002,Pete,radio\n77,Base,\n").aliases;
        const RecordRow row = MakeRecordRow(RecordColumns{0, "a.wav", {}, {}, 1001, 2002, 2, callType, {}, {}, {}, channelType, radioId}, 1);
        QStringList texts;
        for (int field : {FieldCallingId, FieldReceiveId, FieldRadioId})
            texts << RecordCellText(row, field, aliases);
        QCOMPARE(texts.join('|'), cells);
        QCOMPARE(RecordCellText(row, FieldFileName, aliases) + IdName(row, FieldFileName, aliases), "a.wav");
    }
};

QTEST_GUILESS_MAIN(TestIdAliases)
#include "tst_idaliases.moc"
