#include "standindialog.h"

StandinDialog::StandinDialog(const QString &kind, QObject *parent)
    : StandinObject(parent)
    , m_kind(kind)
{
}

void StandinDialog::accept()
{
    emit accepted();
    deleteLater();
}

void StandinDialog::reject()
{
    emit rejected();
    deleteLater();
}
