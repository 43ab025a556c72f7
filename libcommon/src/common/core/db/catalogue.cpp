#include "catalogue.h"

namespace Common {

Catalogue::~Catalogue() = default;

QString Catalogue::primaryKey() const
{
    QString key;
    visitFields([&key](const QString &name, const FieldDescriptor &field) {
        if (key.isEmpty() && field.has(Sql::PRIMARY_KEY))
            key = name;
    });
    return key.isEmpty() ? QStringLiteral("id") : key;
}

bool Catalogue::isSecret(const QString &name, const FieldDescriptor &field)
{
    return field.has(Sql::HIDDEN) || isCredential(name, field);
}

bool Catalogue::isCredential(const QString &name, const FieldDescriptor &field)
{
    return field.has(Sql::SECRET) || name.compare(QLatin1String("sid"), Qt::CaseInsensitive) == 0
        || name.contains(QLatin1String("pwd"), Qt::CaseInsensitive)
        || name.contains(QLatin1String("password"), Qt::CaseInsensitive);
}

} // namespace Common
