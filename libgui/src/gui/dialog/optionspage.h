#pragma once

#include <QWidget>

class QLayout;
class QVBoxLayout;

namespace Gui::Dialog {

// A page of the options dialog: loads its preferences from the settings file when made, stores
// them when the dialog is accepted. Other code may add rows to a page.
class OptionsPage : public QWidget
{
    Q_OBJECT

public:
    explicit OptionsPage(QWidget *parent = nullptr);
    ~OptionsPage() override;

    virtual void loadOptions() = 0;
    virtual void saveOptions() = 0;
    // Into the page's main column, at index.
    virtual void insertWidget(int index, QWidget *widget);
    virtual void insertLayout(int index, QLayout *layout);

protected:
    QVBoxLayout *mainLayout() const { return m_layout; }

private:
    QVBoxLayout *m_layout;
};

} // namespace Gui::Dialog
