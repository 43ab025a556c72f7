#pragma once

#include <QObject>

class QQmlEngine;
class StandinDesktopUtils;
class StandinGlobal;
class StandinMainWindow;
class StandinUserSession;
class StandinWidgetCreator;

// The shell's QML context objects as tests see them: GLOBAL, mainWindow, QWIDGET_CREATOR,
// DESKTOP_UTILS, USER_SESSION and APP_HOST "norvik". install() also gives the engine the file
// selector that picks the Material variants and loads the icon fonts, as the shell does.
class QmlStandins : public QObject
{
    Q_OBJECT

public:
    explicit QmlStandins(QObject *parent = nullptr);

    void install(QQmlEngine *engine);
    // The module "Koriv.Test" 1.0: StandinController and StandinRowModel for tests to declare.
    static void registerTypes();

    StandinGlobal *global() const { return m_global; }
    StandinMainWindow *mainWindow() const { return m_mainWindow; }
    StandinWidgetCreator *widgetCreator() const { return m_widgetCreator; }
    StandinDesktopUtils *desktopUtils() const { return m_desktopUtils; }
    StandinUserSession *userSession() const { return m_userSession; }

private:
    StandinGlobal *m_global;
    StandinMainWindow *m_mainWindow;
    StandinWidgetCreator *m_widgetCreator;
    StandinDesktopUtils *m_desktopUtils;
    StandinUserSession *m_userSession;
};
