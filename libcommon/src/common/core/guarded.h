#pragma once

#include <mutex>

namespace Common {

// A value with a mutex of its own, read and written whole from any thread. The standard
// library's mutex, which ThreadSanitizer sees (Qt's mutexes are invisible to it).
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
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_value;
    }

    void set(const T &value)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_value = value;
    }

private:
    mutable std::mutex m_mutex;
    T m_value;
};

} // namespace Common
