#include "records/myvalidator.h"

#include <QLineEdit>
#include <QtTest>

class TestMyValidator : public QObject
{
    Q_OBJECT

private slots:
    void validate_data();
    void validate();
    void fixup_data();
    void fixup();
    void pageFieldFixedOnEnter_data();
    void pageFieldFixedOnEnter();
};

void TestMyValidator::validate_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("state");

    QTest::newRow("page 1") << "1" << int(QValidator::Acceptable);
    QTest::newRow("last allowed page") << "99999" << int(QValidator::Acceptable);
    QTest::newRow("empty") << "" << int(QValidator::Intermediate);
    QTest::newRow("0") << "0" << int(QValidator::Intermediate);
    QTest::newRow("six digits") << "100000" << int(QValidator::Invalid);
    QTest::newRow("letters") << "a" << int(QValidator::Invalid);
}

void TestMyValidator::validate()
{
    QFETCH(QString, input);
    QFETCH(int, state);

    const MyValidator validator(1, 99999);
    int position = input.size();
    QCOMPARE(int(validator.validate(input, position)), state);
}

void TestMyValidator::fixup_data()
{
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("fixed");

    QTest::newRow("empty") << 1 << "" << "1";
    QTest::newRow("0") << 1 << "0" << "1";
    QTest::newRow("below another bottom") << 5 << "3" << "5";
}

void TestMyValidator::fixup()
{
    QFETCH(int, bottom);
    QFETCH(QString, input);
    QFETCH(QString, fixed);

    const MyValidator validator(bottom, 99999);
    validator.fixup(input);
    QCOMPARE(input, fixed);
}

void TestMyValidator::pageFieldFixedOnEnter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty") << "" << "1";
    QTest::newRow("0") << "0" << "1";
    QTest::newRow("page 3 kept") << "3" << "3";
    QTest::newRow("at most five digits") << "123456" << "12345";
}

void TestMyValidator::pageFieldFixedOnEnter()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    QLineEdit field;
    field.setValidator(new MyValidator(1, 99999, &field));
    field.setMaxLength(5);
    QTest::keyClicks(&field, typed);
    QTest::keyClick(&field, Qt::Key_Return);

    QCOMPARE(field.text(), shown);
}

QTEST_MAIN(TestMyValidator)
#include "tst_myvalidator.moc"
