#include "doubleedit.h"

#include <QDoubleValidator>

namespace Gui {

DoubleEdit::DoubleEdit(QWidget *parent)
    : LineEdit(parent)
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    auto *validator = new QDoubleValidator(this);
    validator->setLocale(locale);
    setValidator(validator);
}

DoubleEdit::~DoubleEdit() = default;

} // namespace Gui
