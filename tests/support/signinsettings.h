#pragma once

#include <QString>
#include <QVector>

// A server of the sign-in dialog's list.
struct SignInHost
{
    QString name;
    QString address;
    int port = 0;
};

// Writes the program's settings as an operator left them: the servers, the one chosen (its
// index), the login, English and no update check.
void writeSignInSettings(const QVector<SignInHost> &hosts, int current, const QString &login);
