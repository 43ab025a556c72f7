#include "session.h"

#include "datetruncatecombobox.h"
#include "interactiveownerkeepertable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Gui::Report {

Session::Session(const QString &sourceUrl)
    : Owner(sourceUrl)
    , m_truncate(new DateTruncateComboBox)
{
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Date truncate:")));
    row->addWidget(m_truncate);
    row->addStretch();
    extraFilterLayout()->addLayout(row);
}

Session::~Session() = default;

QString Session::templatePath() const
{
    return QStringLiteral(":/files_template/IndividualSessionsReportBase.xlsx");
}

QVariantMap Session::options() const
{
    QVariantMap options = Owner::options();
    // The ids as texts: JSON numbers are doubles, which cut ids above 2^53.
    options.remove(QStringLiteral("id_owners_list"));
    options.insert(QStringLiteral("rst_id_owner"), ownerTable()->ownerIdTexts().toVariantList());
    options.insert(QStringLiteral("date_truncate"), m_truncate->value());
    return options;
}

} // namespace Gui::Report
