#pragma once

#include "model/base/abstractmodel.h"

#include "common/core/exception/exception.h"

#include <typeinfo>

namespace Report {

// The catalogue as the class a report expects; throws Exception "Bad cast" when it is another.
template<typename T>
T *castModel(Model::AbstractModel *model)
{
    T *result = nullptr;
    try {
        result = dynamic_cast<T *>(model);
    } catch (const std::bad_cast &e) {
        throw Exception(QStringLiteral("Bad cast: %1").arg(QString::fromUtf8(e.what())));
    }
    if (!result)
        throw Exception(QStringLiteral("Bad cast"));
    return result;
}

} // namespace Report
