#pragma once

#include "originalmodel.h"

#include <QSharedPointer>

#include <memory>

namespace Client::Controller {

// The one OriginalModel that every instance of the controller class Owner shares, made over a
// Catalogue by the first instance and kept until the process ends.
template<typename Owner, typename Catalogue>
class ClassWideModel
{
public:
    static OriginalModel *get()
    {
        if (!s_model) {
            s_model = std::make_unique<OriginalModel>();
            s_model->setBaseModel(QSharedPointer<Catalogue>::create());
        }
        return s_model.get();
    }
    // The model when an instance has made it, else null.
    static OriginalModel *existing() { return s_model.get(); }

private:
    static inline std::unique_ptr<OriginalModel> s_model;
};

} // namespace Client::Controller
