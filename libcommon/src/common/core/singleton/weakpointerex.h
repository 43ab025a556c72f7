#pragma once

#include "common/core/exception/exception.h"

#include <QSharedPointer>
#include <QWeakPointer>

// A non-owning reference that throws instead of handing out a null pointer.
template<typename T>
class WeakPointerEx
{
public:
    WeakPointerEx() = default;
    explicit WeakPointerEx(const QSharedPointer<T> &pointer)
        : m_pointer(pointer)
    {
    }

    T *data() const
    {
        const QSharedPointer<T> strong = m_pointer.toStrongRef();
        if (strong.isNull())
            throw Exception(QStringLiteral("WeakPointerEx: inline T * data() const: Pointer is null!"));
        return strong.data();
    }

private:
    QWeakPointer<T> m_pointer;
};
