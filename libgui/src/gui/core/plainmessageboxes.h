#pragma once

#include <QObject>

namespace Gui {

// Shows every message box that leaves its text format to Qt's guess as plain text. The QML
// pages' message dialogs are message boxes the pages cannot set a format on, and their texts
// carry record values (a user's sign, a stored value): a value holding a tag must not be drawn
// as markup, nor load an image from the disk. A box the program writes as rich text says so.
class PlainMessageBoxes : public QObject
{
    Q_OBJECT

public:
    // Watches the application's message boxes while it lives.
    explicit PlainMessageBoxes(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace Gui
