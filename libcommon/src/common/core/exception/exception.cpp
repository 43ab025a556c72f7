#include "exception.h"

Exception::Exception(const QString &message)
    : m_message(message)
    , m_utf8(message.toUtf8())
{
}

Exception::~Exception() = default;

const char *Exception::what() const noexcept
{
    return m_utf8.constData();
}

QString Exception::message() const
{
    return m_message;
}
