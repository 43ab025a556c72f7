#include "modeltester.h"

#include <QAbstractItemModelTester>

QAbstractItemModelTester *watchModel(QAbstractItemModel *model)
{
    return new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, model);
}
