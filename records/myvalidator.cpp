#include "records/myvalidator.h"

MyValidator::MyValidator(int bottom, int top, QObject *parent)
    : QIntValidator(bottom, top, parent)
{
}

void MyValidator::fixup(QString &input) const
{
    input = QString::number(bottom());
}
