#include "rowlimit.h"

#include <QIntValidator>
#include <QLineEdit>

namespace Gui::Dialog {

RowLimit::RowLimit(int limit, QWidget *parent)
    : StandardDialog(parent)
    , m_edit(new QLineEdit(QString::number(limit)))
{
    setWindowTitle(tr("Row Limit"));
    auto *validator = new QIntValidator(m_edit);
    validator->setBottom(0);
    m_edit->setValidator(validator);
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString &text) { setOkEnabled(!text.isEmpty()); });
    insertWidget(m_edit, true);
    setWidth(100);
    m_edit->setFocus();
}

RowLimit::~RowLimit() = default;

int RowLimit::limit() const
{
    return m_edit->text().toInt();
}

QLineEdit *RowLimit::edit() const
{
    return m_edit;
}

} // namespace Gui::Dialog
