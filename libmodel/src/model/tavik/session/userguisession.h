#pragma once

#include "model/base/session/guisession.h"

namespace Model::Tavik {

// Saved desktop layouts of users.
class UserGuiSession : public Base::GuiSession
{
public:
    UserGuiSession();

    QString tableName() const override { return QStringLiteral("user_gui_sessions"); }
};

} // namespace Model::Tavik
