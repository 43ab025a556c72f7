#include "salaryswitches.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

SalarySwitches::SalarySwitches(AbstractModel *model)
{
    const struct
    {
        const char *name;
        QString title;
    } columns[] = {
        {"use_salary_oc", QObject::tr("Use order created")},
        {"use_salary_odam", QObject::tr("Use order driver assign manual")},
        {"use_salary_occa", QObject::tr("Use order cashless card assign")},
        {"use_salary_cnm", QObject::tr("Use client notity manual")},
        {"use_salary_ocd", QObject::tr("Use order canceled")},
        {"use_salary_occ", QObject::tr("Use order completed confirm")},
        {"use_salary_in_call", QObject::tr("Use salary incoming calls")},
        {"use_salary_out_call", QObject::tr("Use salary outgoing calls")},
    };
    for (const auto &column : columns)
        model->declareColumn(QLatin1String(column.name), SQL_INTEGER, true, 0, column.title);
    for (const auto &column : columns)
        model->addIndex({QLatin1String(column.name)});
}

} // namespace Model::Helper
