#pragma once

#include "standinobject.h"

#include <QJsonArray>

// Stands in for the extended search window of a table page: the rules it was opened with, until
// a test sets others, and its closing, which a test does.
class StandinSearch : public StandinObject
{
    Q_OBJECT
    Q_CLASSINFO("TestControls", "setRules close")

public:
    StandinSearch(const QJsonArray &rules, QObject *parent);

    Q_INVOKABLE QJsonArray rules() const { return m_rules; }

    // Test controls: the user changes the rules, and closes the window.
    Q_INVOKABLE void setRules(const QJsonArray &rules) { m_rules = rules; }
    Q_INVOKABLE void close();

signals:
    void closed();

private:
    QJsonArray m_rules;
};
