#include "builddatabase.h"

#include "model/base/databaseinitializer.h"
#include "modelfixture/placeholdertables.h"

bool buildDatabase(Common::Db *db, const QVector<Model::Creator::Factory> &catalogues, QString *error)
{
    if (!ModelFixture::createPlaceholderTables(db, catalogues)) {
        *error = QStringLiteral("placeholder tables were not created");
        return false;
    }
    Model::DatabaseInitializer initializer(db);
    if (!initializer.run(catalogues)) {
        *error = initializer.lastError();
        return false;
    }
    return true;
}
