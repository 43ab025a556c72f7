#pragma once

#include <QString>
#include <QVariant>

// One hard filter as a page asks for it: role, operation, value, condition and group.
struct Filter
{
    QString role;
    QString operation;
    QVariant value;
    QString condition;
    QString group;
};
