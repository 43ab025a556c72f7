#pragma once

#include <QVariantMap>

namespace Client::Controller {
class ItemController;
}

// Names a received row after the controller's caption of its code: when the row holds codeKey
// and the controller has a caption for that code, "name" becomes the caption. An unknown code
// keeps the name that the server sent.
void nameFromCaption(Client::Controller::ItemController &controller, QVariantMap &row, const QString &codeKey);
