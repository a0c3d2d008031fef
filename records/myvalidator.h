#pragma once

#include <QIntValidator>

// An integer validator that replaces text it does not accept (an empty field,
// a number below the range) by its lower bound.
class MyValidator : public QIntValidator
{
    Q_OBJECT

public:
    MyValidator(int bottom, int top, QObject *parent = nullptr);

    void fixup(QString &input) const override;
};
