#pragma once

#include <QString>
#include <QVariantMap>

namespace Common {

// One generated SQL statement with its named bind values (keys carry the colon).
struct Statement
{
    QString sql;
    QVariantMap binds;
};

} // namespace Common
