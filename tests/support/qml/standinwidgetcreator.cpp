#include "standinwidgetcreator.h"

#include "standintoast.h"

QObject *StandinWidgetCreator::toast(const QString &message, int mode)
{
    record(QStringLiteral("toast"), {message, mode});
    return new StandinToast(message, mode, this);
}
