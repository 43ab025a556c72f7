#pragma once

#include "optionspage.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace Client {
class DesktopUtils;
}

namespace Gui::Dialog {

// The "Common" page of the options: interface (language, scale factor, font size, task-bar
// grouping), logging (on or off, the size of the logs, clearing them) and updating (channel,
// check at start-up). A stored language that the list does not offer is added to it by its code;
// a stored channel it does not offer is kept as it is.
class CommonOptionsPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit CommonOptionsPage(QWidget *parent = nullptr);
    ~CommonOptionsPage() override;

    void loadOptions() override;
    void saveOptions() override;

    QComboBox *languageBox() const { return m_language; }
    QDoubleSpinBox *scaleBox() const { return m_scale; }
    QSpinBox *fontSizeBox() const { return m_fontSize; }
    QCheckBox *groupWindowsBox() const { return m_groupWindows; }
    QCheckBox *loggingBox() const { return m_logging; }
    QLabel *logSizeLabel() const { return m_logSize; }
    QComboBox *channelBox() const { return m_channel; }
    QCheckBox *checkOnStartupBox() const { return m_checkOnStartup; }
    QPushButton *clearLogsButton() const { return m_clearLogs; }

private slots:
    void onClearLogsClicked();
    void onFontSizeChanged(int size);

private:
    void buildUi();
    QWidget *createInterfaceBox();
    QWidget *createLoggingBox();
    QWidget *createUpdatingBox();
    void updateLogSize();
    // Selects language, first adding it when the list does not offer it.
    void showLanguage(const QString &language);
    QString logPath() const;
    // The combo's choice; the stored value when it offers none.
    static QString choice(const QComboBox *box, const QString &stored);

    QComboBox *m_language = nullptr;
    QDoubleSpinBox *m_scale = nullptr;
    QSpinBox *m_fontSize = nullptr;
    QCheckBox *m_groupWindows = nullptr;
    QCheckBox *m_logging = nullptr;
    QPushButton *m_clearLogs = nullptr;
    QLabel *m_logSize = nullptr;
    QComboBox *m_channel = nullptr;
    QCheckBox *m_checkOnStartup = nullptr;
    // The languages the program is translated to head the list.
    int m_listedLanguages = 0;
    // The values read from the file, kept when the lists do not offer them.
    QString m_storedLanguage;
    QString m_storedChannel;
    Client::DesktopUtils *m_utils;
};

} // namespace Gui::Dialog
