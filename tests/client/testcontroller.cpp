#include "testcontroller.h"

#include "listcatalogue.h"

TestController::TestController(const QString &name, bool classWide, QQuickItem *parent)
    : DesktopController(parent)
    , m_name(name)
{
    if (classWide)
        useClassWideModel<TestController, ListCatalogue>();
    else
        useOwnModel<ListCatalogue>();
}

void TestController::prepareRow(QVariantMap &row)
{
    ++prepared;
    if (row.contains(QStringLiteral("name")))
        row.insert(QStringLiteral("name_upper"), row.value(QStringLiteral("name")).toString().toUpper());
}
