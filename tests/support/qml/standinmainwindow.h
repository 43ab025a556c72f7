#pragma once

#include "standinobject.h"

// Stands in for the main window that pages reach as mainWindow: its title and geometry, and
// the activation calls.
class StandinMainWindow : public StandinObject
{
    Q_OBJECT
    Q_PROPERTY(QString windowTitle READ windowTitle WRITE setWindowTitle NOTIFY geometryChanged)
    Q_PROPERTY(int x READ x NOTIFY geometryChanged)
    Q_PROPERTY(int y READ y NOTIFY geometryChanged)
    Q_PROPERTY(int width READ width NOTIFY geometryChanged)
    Q_PROPERTY(int height READ height NOTIFY geometryChanged)

public:
    explicit StandinMainWindow(QObject *parent = nullptr) : StandinObject(parent) {}

    QString windowTitle() const { return m_title; }
    void setWindowTitle(const QString &title);
    int x() const { return m_x; }
    int y() const { return m_y; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    Q_INVOKABLE void activate() { record(QStringLiteral("activate")); }
    Q_INVOKABLE void requestActivate() { record(QStringLiteral("requestActivate")); }
    // Test control.
    Q_INVOKABLE void setGeometry(int x, int y, int width, int height);

signals:
    void geometryChanged();
    void activated();
    void closing();

private:
    QString m_title = QStringLiteral("Koriv Admin");
    int m_x = 100;
    int m_y = 50;
    int m_width = 1200;
    int m_height = 800;
};
