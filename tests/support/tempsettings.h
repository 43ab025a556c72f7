#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the user-scope INI settings of this process at a fresh temporary folder, under a test
// organisation and application name, so that widget tests never touch the user's settings.
// (The INI format itself is chosen by constructing Gui::Settings.)
class TempSettings
{
public:
    TempSettings();

    bool isValid() const { return m_dir.isValid(); }
    // The INI file QSettings uses.
    QString fileName() const;
    QString fileText() const;
    // Removes every stored key.
    void clear();

private:
    QTemporaryDir m_dir;
};
