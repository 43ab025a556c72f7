#pragma once

#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "typename.h"

#include <QObject>
#include <QSharedPointer>

#include <type_traits>

// Holds the one process-wide instance of T, created on first use and released at exit.
// The first call must not race another first call for the same T.
template<typename T>
class SpSingleton
{
public:
    static T *instance()
    {
        if (!s_instance.isNull())
            return s_instance.data();
        s_instance = QSharedPointer<T>(new T());
        if (s_instance.isNull()) {
            const QString location = QStringLiteral("%1::%2:%3")
                .arg(QStringLiteral("..\\..\\libcommon\\src\\common/core/singleton/SpSingleton"),
                     QStringLiteral("SpSingleton<class %1>::instance").arg(Common::typeName<T>()),
                     QString::number(27));
            throw Exception(Common::warningLine(location, QStringLiteral("ERROR_DESCRIPTIONS")));
        }
        return s_instance.data();
    }

    // The holder itself, for code that shares ownership or watches the object.
    static QSharedPointer<T> pointer()
    {
        instance();
        return s_instance;
    }

private:
    static QSharedPointer<T> s_instance;
};

template<typename T>
QSharedPointer<T> SpSingleton<T>::s_instance;
