// The rules of a walk on folder boundaries: which links to folders are
// followed, and which paths a removed tree item hides.

#include "import/folderlisting.h"
#include "import/ignorerule.h"

#include <QtTest>

class TestWalkRules : public QObject
{
    Q_OBJECT

private slots:
    void linkSkipped_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("walked");
        QTest::addColumn<bool>("skipped");
        const QStringList rec{"/rec"};
        QTest::newRow("outside") << "/other" << "/rec/a" << rec << false;
        QTest::newRow("beside, a longer name") << "/recx" << "/rec/a" << rec << false;
        QTest::newRow("inside the walked tree") << "/rec/b" << "/rec/a" << rec << true;
        QTest::newRow("the walked tree") << "/rec" << "/rec/a" << rec << true;
        QTest::newRow("the current folder") << "/rec/a" << "/rec/a" << QStringList() << true;
        QTest::newRow("above the current folder") << "/x" << "/x/y/z" << rec << true;
        QTest::newRow("a sibling of a longer name") << "/x/ab" << "/x/a" << rec << false;
        QTest::newRow("below the current folder, outside") << "/x/a/b" << "/x/a" << rec << false;
        QTest::newRow("in a hidden folder of the tree") << "/rec/.h/in" << "/rec/a" << rec << false;
        QTest::newRow("a hidden folder of the tree") << "/rec/.h" << "/rec/a" << rec << false;
        QTest::newRow("in a hidden file's folder") << "/rec/a.b/c" << "/rec/a" << rec << true;
        QTest::newRow("tree below a hidden folder") << "/.h/rec/b" << "/.h/rec/a" << QStringList{"/.h/rec"} << true;
        QTest::newRow("in a tree followed before") << "/out/x" << "/rec/a" << QStringList{"/rec", "/out"} << true;
        QTest::newRow("the root as tree") << "/x" << "/y" << QStringList{"/"} << true;
    }
    void linkSkipped()
    {
        QFETCH(QString, target);
        QFETCH(QString, current);
        QFETCH(QStringList, walked);
        QFETCH(bool, skipped);
        QCOMPARE(LinkSkipped(target, current, walked), skipped);
    }

    void childPath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("child");
        QTest::newRow("folder") << "/rec" << "/rec/a";
        QTest::newRow("ending with a slash") << "/rec/" << "/rec/a";
        QTest::newRow("root") << "/" << "/a";
    }
    void childPath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, child);
        QCOMPARE(ChildPath(folder, "a"), child);
    }

    void ignoreRule_data()
    {
        QTest::addColumn<QStringList>("ignored");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("hidden");
        const QStringList a{"/rec/a"};
        QTest::newRow("nothing ignored") << QStringList() << "/rec/a" << false;
        QTest::newRow("the folder") << a << "/rec/a" << true;
        QTest::newRow("below") << a << "/rec/a/x.wav" << true;
        QTest::newRow("longer name") << a << "/rec/ab" << false;
        QTest::newRow("below a longer name") << a << "/rec/a2/x.wav" << false;
        QTest::newRow("above") << a << "/rec" << false;
        QTest::newRow("other case") << a << "/rec/A" << false;
        QTest::newRow("with a slash, below") << QStringList{"/rec/a/"} << "/rec/a/x" << true;
        QTest::newRow("with a slash, longer name") << QStringList{"/rec/a/"} << "/rec/ab" << false;
        QTest::newRow("unclean") << QStringList{"/rec/b/../a"} << "/rec/a/x" << true;
        QTest::newRow("second of two") << QStringList{"/x", "/rec/a"} << "/rec/a" << true;
        QTest::newRow("the root") << QStringList{"/"} << "/x" << true;
    }
    void ignoreRule()
    {
        QFETCH(QStringList, ignored);
        QFETCH(QString, path);
        QFETCH(bool, hidden);
        const IgnoreRule rule(ignored);
        QCOMPARE(rule.IsEmpty(), ignored.isEmpty());
        QCOMPARE(rule.Hides(path), hidden);
    }
};

QTEST_GUILESS_MAIN(TestWalkRules)
#include "tst_walkrules.moc"
