#pragma once

#include <QObject>
#include <QVariantList>

// The page kit's message boxes as tests find them: the open message dialogs below an object
// (pages parent their boxes to themselves, their view or their window), their texts, and closing
// them with their first button. QML singleton "MessageBoxes" of the module "Koriv.Test".
class MessageBoxes : public QObject
{
    Q_OBJECT

public:
    explicit MessageBoxes(QObject *parent = nullptr) : QObject(parent) {}

    Q_INVOKABLE QVariantList openIn(QObject *root) const;
    Q_INVOKABLE QStringList textsIn(QObject *root) const;
    // Clicks the lowest standard button of each open box below root.
    Q_INVOKABLE void closeAllIn(QObject *root) const;
};
