#include "standintoast.h"

StandinToast::StandinToast(const QString &message, int mode, QObject *parent)
    : QObject(parent)
    , m_message(message)
    , m_mode(mode)
{
}
