#pragma once

#include "gui/helper/busy.h"
#include "gui/helper/guisettings.h"

#include <QDialog>

class QDialogButtonBox;
class QLayout;
class QPushButton;
class QVBoxLayout;

namespace Gui::Dialog {

// Base of the widget dialogs: Ok and Cancel under the content, the busy state, and settings
// kept in the current GUI session under the dialog's settings name. Deletes itself when closed
// unless switched off.
class StandardDialog : public QDialog, public Helper::Busy, public Helper::GuiSettings
{
    Q_OBJECT

public:
    explicit StandardDialog(QWidget *parent = nullptr);
    ~StandardDialog() override;

    // Width given, height from the size hint.
    void setWidth(int width);
    // Puts the content at the top of the dialog, above the buttons; a stretch follows when asked.
    void insertLayout(QLayout *layout, bool stretchAfter = false);
    void insertWidget(QWidget *widget, bool stretchAfter = false);
    void insertWidgetStretched(QWidget *widget, int stretch);
    void setOkEnabled(bool enabled);
    void setDeleteOnClose(bool deleteOnClose);

    QDialogButtonBox *buttonBox() const;
    QPushButton *okButton() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onFinished();
    void focusFirstField();
    void addStretchAfterContent(bool stretchAfter);

    QVBoxLayout *m_layout;
    QDialogButtonBox *m_buttonBox;
};

} // namespace Gui::Dialog
