#pragma once

#include "standarddialog.h"

class QLineEdit;

namespace Gui::Dialog {

// Asks for a table's row limit: a whole number from 0 up.
class RowLimit : public StandardDialog
{
    Q_OBJECT

public:
    explicit RowLimit(int limit, QWidget *parent = nullptr);
    ~RowLimit() override;

    Q_INVOKABLE int limit() const;
    QLineEdit *edit() const;

private:
    QLineEdit *m_edit;
};

} // namespace Gui::Dialog
