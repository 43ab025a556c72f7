#include "balancelog.h"

#include "gui/error/errorcatalogue.h"
#include "gui/widget/doubleedit.h"

#include "client/controller/desktopcontroller.h"
#include "client/controller/recordfinder.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace Gui::Dialog {

namespace {
const QString IdKey = QStringLiteral("id");

Client::Controller::UserSession *session()
{
    return SpSingleton<Client::Controller::UserSession>::instance();
}
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
    connect(session(), &Client::Controller::UserSession::isOfflineChanged, this, &BalanceLog::onOfflineChanged);
    connect(session(), &Client::Controller::UserSession::saOpen, this, &BalanceLog::searchLostEntry);
    // A closed dialog takes no late answer, even before it is deleted.
    connect(this, &QDialog::finished, this, [this] {
        m_requester->disconnect(this);
        session()->disconnect(this);
        m_pending = false;
        m_unknown = false;
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
    m_notice = new QLabel;
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(true);
    m_notice->hide();
    m_form->addRow(m_notice);
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
    if (m_booked) {
        QDialog::accept();
        return;
    }
    // Money: never a second entry while the first one is unanswered or may have been booked.
    if (m_pending || m_unknown)
        return;
    const QVariantMap entry{{QStringLiteral("rst_id_owner"), m_ownerId},
                            {QStringLiteral("rst_id_bt"), m_types->data(m_type->currentIndex(), IdKey)},
                            {QStringLiteral("value"), m_value->text()},
                            {QStringLiteral("note"), m_note->toPlainText()}};
    m_pending = true;
    setOkEnabled(false);
    m_sent = entry;
    m_seenStamp = Client::Controller::DesktopController::newestStampSeen();
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

QString BalanceLog::notice() const
{
    return m_notice && !m_notice->isHidden() ? m_notice->text() : QString();
}

void BalanceLog::say(const QString &text)
{
    m_notice->setText(text);
    m_notice->show();
}

void BalanceLog::onOfflineChanged(bool offline)
{
    if (!offline || !m_pending)
        return;
    m_pending = false;
    m_unknown = true;
    stop();
    setOkEnabled(false);
    say(tr("The connection to the server was lost before the answer came: whether the entry was booked is not "
           "known. Once the program is connected again, it looks for the entry and tells you."));
}

void BalanceLog::searchLostEntry()
{
    if (!m_unknown)
        return;
    if (!m_finder) {
        m_finder = std::make_unique<Client::Controller::RecordFinder>(m_requester->name());
        connect(m_finder.get(), &Client::Controller::RecordFinder::found, this, &BalanceLog::onEntriesFound);
    }
    QVariantMap search{{QStringLiteral("rst_id_owner"), m_sent.value(QStringLiteral("rst_id_owner"))},
                       {QStringLiteral("rst_id_bt"), m_sent.value(QStringLiteral("rst_id_bt"))},
                       {QStringLiteral("rst_id_user_created"), session()->rstIdOwner()}};
    if (m_seenStamp > 0)
        search.insert(QStringLiteral("dt_utc_insert_start"), QString::number(m_seenStamp));
    m_finder->find(search);
}

// Identical entries are legitimate: only one booked by this user since the send is this send's.
// The send is placed by stamps alone, never by a clock: an entry stamped as the newest record read
// before it may be an earlier one, and with none read any entry may be, so such an entry leaves it
// unknown. The server signs the amount by the type's operation: an entry matches by size and note.
void BalanceLog::onEntriesFound(const QVariantList &rows, const QVariantMap &answer)
{
    if (!m_unknown)
        return;
    m_unknown = false;
    const QString result = answer.value(QStringLiteral("RES")).toString();
    if (!result.isEmpty() && result != QLatin1String("10")) {
        say(tr("Whether the entry was booked cannot be found out: the server refused to show the balance log. "
               "Check it before booking the entry again."));
        return;
    }
    const double value = qAbs(m_sent.value(QStringLiteral("value")).toDouble());
    const QString note = m_sent.value(QStringLiteral("note")).toString();
    int matches = 0;
    bool unplaced = false;
    for (const QVariant &row : rows) {
        const QVariantMap entry = row.toMap();
        if (!qFuzzyCompare(1.0 + qAbs(entry.value(QStringLiteral("value")).toDouble()), 1.0 + value)
            || entry.value(QStringLiteral("note")).toString() != note)
            continue;
        ++matches;
        unplaced = unplaced || m_seenStamp == 0 || entry.value(QStringLiteral("dt_utc_insert")).toLongLong() <= m_seenStamp;
    }
    if (matches == 1 && unplaced) {
        say(tr("Whether the entry was booked cannot be found out: an entry like it was booked about when it was "
               "sent. Check the balance log before booking it again."));
    } else if (matches == 1) {
        m_booked = true;
        setOkEnabled(true);
        say(tr("The entry was booked before the connection was lost."));
    } else if (matches == 0) {
        setOkEnabled(true);
        say(tr("The entry was not booked: the balance log holds no entry of this send. Press OK to book it."));
    } else {
        say(tr("Whether the entry was booked cannot be found out: %n entries like it were booked meanwhile. "
               "Check the balance log before booking it again.", nullptr, int(matches)));
    }
}

} // namespace Gui::Dialog
