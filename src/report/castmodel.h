#pragma once

#include "model/base/abstractmodel.h"

#include "common/core/exception/exception.h"

namespace Report {

// The catalogue as the class a report expects; throws Exception "Bad cast" when it is another.
template<typename T>
T *castModel(Model::AbstractModel *model)
{
    T *result = dynamic_cast<T *>(model);
    if (!result)
        throw Exception(QStringLiteral("Bad cast"));
    return result;
}

} // namespace Report
