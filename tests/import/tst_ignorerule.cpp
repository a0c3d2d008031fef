#include "import/ignorerule.h"

#include <QtTest>

class TestIgnoreRule : public QObject
{
    Q_OBJECT

private slots:
    void hides_data();
    void hides();
};

void TestIgnoreRule::hides_data()
{
    QTest::addColumn<QStringList>("ignored");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("hidden");

    const QStringList a{"/rec/a"};
    QTest::newRow("the folder itself") << a << "/rec/a" << true;
    QTest::newRow("file in it") << a << "/rec/a/x.wav" << true;
    QTest::newRow("deeper") << a << "/rec/a/b/c/y.wav" << true;
    QTest::newRow("sibling with longer name") << a << "/rec/ab" << false;
    QTest::newRow("file in such a sibling") << a << "/rec/a2/x.wav" << false;
    QTest::newRow("file next to it") << a << "/rec/a.wav" << false;
    QTest::newRow("parent") << a << "/rec" << false;
    QTest::newRow("other case") << a << "/rec/A/x.wav" << false;
    QTest::newRow("same name elsewhere") << a << "/other/rec/a/x.wav" << false;
    QTest::newRow("ignored file") << QStringList{"/rec/a/x.wav"} << "/rec/a/x.wav" << true;
    QTest::newRow("ignored file, longer name") << QStringList{"/rec/a/x.wav"}
                                               << "/rec/a/x.wav2" << false;
    QTest::newRow("trailing slash") << QStringList{"/rec/a/"} << "/rec/a/x.wav" << true;
    QTest::newRow("trailing slash, sibling") << QStringList{"/rec/a/"} << "/rec/ab" << false;
    QTest::newRow("unclean ignored path") << QStringList{"/rec/./b/../a"} << "/rec/a/x.wav"
                                          << true;
    QTest::newRow("root") << QStringList{"/"} << "/rec/a/x.wav" << true;
    QTest::newRow("second of two") << QStringList{"/rec/b", "/rec/a"} << "/rec/a/x.wav" << true;
    QTest::newRow("none of two") << QStringList{"/rec/b", "/rec/c"} << "/rec/a/x.wav" << false;
    QTest::newRow("nothing ignored") << QStringList() << "/rec/a/x.wav" << false;
    QTest::newRow("quotes and percent") << QStringList{"/rec/it's \"%1\""}
                                        << "/rec/it's \"%1\"/x.wav" << true;
}

void TestIgnoreRule::hides()
{
    QFETCH(QStringList, ignored);
    QFETCH(QString, path);
    QFETCH(bool, hidden);

    QCOMPARE(IgnoreRule(ignored).Hides(path), hidden);
}

QTEST_APPLESS_MAIN(TestIgnoreRule)
#include "tst_ignorerule.moc"
