#include "options.h"

#include "commonoptionspage.h"

#include <QTabWidget>

namespace Gui::Dialog {

Options::Options()
    : m_tabs(new QTabWidget)
{
    setWindowTitle(tr("Options"));
    m_tabs->setTabBarAutoHide(true);
    m_tabs->addTab(new CommonOptionsPage, tr("Common"));
    insertWidget(m_tabs, true);
    setWidth(700);
}

Options::~Options() = default;

OptionsPage *Options::page(int index) const
{
    return qobject_cast<OptionsPage *>(m_tabs->widget(index));
}

void Options::accept()
{
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (OptionsPage *options = page(i))
            options->saveOptions();
    }
    StandardDialog::accept();
}

} // namespace Gui::Dialog
