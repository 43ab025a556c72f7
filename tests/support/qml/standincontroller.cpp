#include "standincontroller.h"

#include "standinrowmodel.h"

namespace {
int nextNumber = 1;
}

StandinController::StandinController(QObject *parent)
    : StandinObject(parent)
    , m_objectNumber(QString::number(nextNumber++))
    , m_rows(new StandinRowModel(this))
{
}

void StandinController::setName(const QString &name)
{
    if (m_name == name)
        return;
    m_name = name;
    emit nameChanged();
}

QObject *StandinController::originalModel() const
{
    return m_rows;
}
