#pragma once

#include <QMutex>
#include <QMutexLocker>

namespace Common {

// A value with a mutex of its own, read and written whole from any thread.
template<typename T>
class Guarded
{
public:
    explicit Guarded(const T &value = T())
        : m_value(value)
    {
    }

    T get() const
    {
        QMutexLocker lock(&m_mutex);
        return m_value;
    }

    void set(const T &value)
    {
        QMutexLocker lock(&m_mutex);
        m_value = value;
    }

private:
    mutable QMutex m_mutex;
    T m_value;
};

} // namespace Common
