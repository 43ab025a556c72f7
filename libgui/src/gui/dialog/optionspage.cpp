#include "optionspage.h"

#include <QVBoxLayout>

namespace Gui::Dialog {

OptionsPage::OptionsPage(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
{
}

OptionsPage::~OptionsPage() = default;

void OptionsPage::insertWidget(int index, QWidget *widget)
{
    m_layout->insertWidget(index, widget);
}

void OptionsPage::insertLayout(int index, QLayout *layout)
{
    m_layout->insertLayout(index, layout);
}

} // namespace Gui::Dialog
