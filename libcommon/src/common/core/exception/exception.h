#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The program's exception: a ready-made, human-readable text of a failure.
class Exception : public std::exception
{
public:
    explicit Exception(const QString &message);
    ~Exception() override;

    const char *what() const noexcept override;
    virtual QString message() const;

private:
    QString m_message;
    QByteArray m_utf8;
};
