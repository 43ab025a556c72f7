#pragma once

#include "abstractmodel.h"

namespace Model {

// A catalogue whose table name is given at construction instead of being fixed by the class.
class NamedModel : public AbstractModel
{
public:
    explicit NamedModel(const QString &tableName);
    ~NamedModel() override;

    QString tableName() const override;

private:
    const QString m_tableName;
};

} // namespace Model
