#include "captionname.h"

#include "client/controller/itemcontroller.h"

void nameFromCaption(Client::Controller::ItemController &controller, QVariantMap &row, const QString &codeKey)
{
    const auto code = row.constFind(codeKey);
    if (code == row.cend())
        return;
    const QString caption = controller.fieldName(code.value().toString());
    if (!caption.isEmpty())
        row.insert(QStringLiteral("name"), caption);
}
