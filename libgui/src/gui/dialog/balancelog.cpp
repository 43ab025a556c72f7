#include "balancelog.h"

#include "gui/error/errorcatalogue.h"
#include "gui/widget/doubleedit.h"

#include "client/controller/desktopcontroller.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace Gui::Dialog {

namespace {
const QString IdKey = QStringLiteral("id");
}

// Sends the dialog's request under the log controller's name with a number of its own, so that
// the answer names this dialog and no other one open on the same list.
class BalanceLog::Requester : public Client::Controller::DesktopController
{
public:
    explicit Requester(const QString &name)
        : m_name(name)
    {
    }
    QString name() const override { return m_name; }

private:
    QString m_name;
};

BalanceLog::BalanceLog(Client::Controller::DesktopController *typeController,
                       Client::Controller::DesktopController *logController, qint64 ownerId, qint64 groupId,
                       qint64 typeId)
    : m_ownerId(ownerId)
    , m_requester(std::make_unique<Requester>(logController->name()))
{
    setWindowTitle(tr("New Balance Log"));
    setUpForm();

    typeController->originalModel()->setOneColumnRole(QStringLiteral("name_string"));
    m_types = new Client::Controller::ProxyModel(this);
    m_types->setOriginalModel(typeController->originalModel());
    if (const Client::Controller::ProxyModel *shared = typeController->proxyModel())
        m_types->sortRows(shared->sortedRole(), shared->sortOrder());
    m_types->beginPrepare();
    m_types->setHardFilterRole(QStringLiteral("rst_id_bg"), QStringLiteral("="), QString::number(groupId),
                               QStringLiteral("and"));
    m_types->endPrepare();

    m_type = new QComboBox;
    m_type->setModel(m_types);
    m_type->setModelColumn(0);
    m_form->insertRow(1, tr("Type:"), m_type);

    connect(m_requester.get(), &Client::Controller::DesktopController::saNew, this, &BalanceLog::onNewLog);
    // A closed dialog takes no late answer, even before it is deleted.
    connect(this, &QDialog::finished, this, [this] {
        m_requester->disconnect(this);
        m_pending = false;
    });
    if (typeId != 0)
        m_type->setCurrentIndex(m_types->checkValueByRole(IdKey, QString::number(typeId)));
}

BalanceLog::BalanceLog(Client::Controller::DesktopController *logController, qint64 id)
{
    setWindowTitle(tr("View Balance Log"));
    setUpForm();
    m_value->setReadOnly(true);
    m_note->setReadOnly(true);
    showEntry(logController, id);
}

BalanceLog::~BalanceLog() = default;

void BalanceLog::setUpForm()
{
    m_form = new QFormLayout;
    m_value = new DoubleEdit;
    m_note = new QPlainTextEdit;
    m_form->addRow(tr("Value:"), m_value);
    m_form->addRow(tr("Note:"), m_note);
    insertLayout(m_form, true);
    setWidth(400);
    m_value->setFocus(Qt::OtherFocusReason);
}

void BalanceLog::showEntry(Client::Controller::DesktopController *logController, qint64 id)
{
    const Client::Controller::ProxyModel *entries = logController->proxyModel();
    const int row = entries ? entries->checkValueByRole(IdKey, QString::number(id)) : -1;
    auto field = [&](const char *role) {
        return row < 0 ? QString() : entries->data(row, QLatin1String(role)).toString();
    };
    m_value->setText(QString::number(field("value").toDouble(), 'f', 2));
    auto *type = new QLabel(field("bg_name") + QStringLiteral(" : ") + field("bt_name"));
    type->setTextFormat(Qt::PlainText);
    m_form->insertRow(1, tr("Type:"), type);
    m_note->setPlainText(field("note"));
}

bool BalanceLog::isViewMode() const
{
    return !m_types;
}

void BalanceLog::accept()
{
    if (isViewMode()) {
        QDialog::accept();
        return;
    }
    // Money: never a second entry while the first one is unanswered.
    if (m_pending)
        return;
    const QVariantMap entry{{QStringLiteral("rst_id_owner"), m_ownerId},
                            {QStringLiteral("rst_id_bt"), m_types->data(m_type->currentIndex(), IdKey)},
                            {QStringLiteral("value"), m_value->text()},
                            {QStringLiteral("note"), m_note->toPlainText()}};
    m_pending = true;
    setOkEnabled(false);
    m_requester->sendNetDto(QStringLiteral("trNew"), entry);
    start();
}

void BalanceLog::busyExpired()
{
    // The request may still be booked: Ok waits for the answer, Cancel is free.
    setOkEnabled(false);
}

void BalanceLog::onNewLog(const QVariantMap &answer)
{
    if (!m_pending || answer.value(QStringLiteral("RECEIVER")).toString() != m_requester->objectNumber())
        return;
    m_pending = false;
    stop();
    const QString result = answer.value(QStringLiteral("RES")).toString();
    if (result == QLatin1String("10")) {
        QDialog::accept();
        return;
    }
    setOkEnabled(true);
    if (result == QLatin1String("0"))
        ErrorCatalogue::show(this, answer);
}

} // namespace Gui::Dialog
