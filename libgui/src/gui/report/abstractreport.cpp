#include "abstractreport.h"

#include "gui/core/context.h"
#include "gui/error/errorcatalogue.h"
#include "gui/security/securitylookup.h"
#include "gui/widget/toastwindow.h"

#include "report/options.h"
#include "report/reportfactory.h"

#include "client/controller/report.h"
#include "client/controller/usersession.h"
#include "client/utils/desktoputils.h"
#include "common/core/singleton/spsingleton.h"
#include "common/net/abstractcontroller.h"
#include "common/net/apinetwork.h"

#include <QDateTime>
#include <QDebug>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace Gui::Report {

namespace {

const QString utcKey = QStringLiteral("utc");
const QString ownersKey = QStringLiteral("id_owners_list");

// The texts of a refused report request.
QJsonObject refusalCatalogue()
{
    QJsonObject table = ErrorCatalogue::common();
    table.insert(QStringLiteral("title"), AbstractReport::tr("REPORT: "));
    table.insert(QStringLiteral("180"), AbstractReport::tr("The server could not make the report"));
    return QJsonObject{{QStringLiteral("saCreate"), table}};
}

} // namespace

AbstractReport::AbstractReport()
    : m_buttonBox(new QDialogButtonBox(Qt::Horizontal))
    , m_createButton(m_buttonBox->addButton(tr("Create"), QDialogButtonBox::AcceptRole))
    , m_writtenLabel(new QLabel)
    , m_layout(new QVBoxLayout)
    , m_answerTimer(new QTimer(this))
{
    newController();
    m_buttonBox->addButton(QDialogButtonBox::Close);
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &AbstractReport::onAccepted);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QWidget::close);
    m_writtenLabel->setObjectName(QStringLiteral("writtenTo"));
    m_writtenLabel->setTextFormat(Qt::PlainText);
    m_writtenLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_writtenLabel->setWordWrap(true);
    m_writtenLabel->hide();
    m_layout->addWidget(m_writtenLabel);
    m_layout->addWidget(m_buttonBox);
    setLayout(m_layout);

    // The frame's own time-out below replaces the busy state's short one.
    setTimerEnabled(false);
    m_answerTimer->setSingleShot(true);
    m_answerTimer->setInterval(int(defaultAnswerTimeout.count()));
    connect(m_answerTimer, &QTimer::timeout, this, &AbstractReport::onAnswerTimeout);
    if (Common::ApiNetwork *network = Common::AbstractController::network())
        connect(network, &Common::Network::connectionState, this, &AbstractReport::onConnectionState);
}

AbstractReport::~AbstractReport()
{
    delete m_controller;
}

void AbstractReport::newController()
{
    if (m_controller) {
        m_controller->disconnect(this);
        m_controller->deleteLater();
    }
    m_controller = new Client::Controller::Report;
    connect(m_controller, &Client::Controller::Report::saCreate, this, &AbstractReport::onSaCreate);
}

void AbstractReport::afterShow()
{
    if (hasAccess())
        return;
    setEnabled(false);
    Context::critical(noAccessText(), this);
    close();
}

bool AbstractReport::isValid()
{
    return true;
}

void AbstractReport::insertFilterLayout(QLayout *layout)
{
    m_layout->insertLayout(0, layout);
}

void AbstractReport::insertFilterWidget(QWidget *widget)
{
    m_layout->insertWidget(0, widget);
}

QString AbstractReport::buildOptions(const QVariantMap &options)
{
    QJsonObject object = QJsonObject::fromVariantMap(options);
    qint64 offset = QDateTime::currentDateTime().offsetFromUtc() / 60;
    if (object.contains(utcKey)) {
        offset = ::Report::Options::longLongOf(object.value(utcKey));
        object.insert(utcKey, QString::number(offset));
    }
    for (const QString &key : {QStringLiteral("dt_utc_insert_start"), QStringLiteral("dt_utc_insert_end")}) {
        if (object.contains(key)) {
            const qint64 msecs = ::Report::Options::longLongOf(object.value(key));
            object.insert(key, QString::number(toUserOffset(msecs, offset)));
        }
    }
    if (object.contains(ownersKey)) {
        // Read from the map itself: a JSON array holds numbers as doubles, which cut 64-bit ids.
        QJsonArray owners;
        for (const QVariant &owner : options.value(ownersKey).toList()) {
            owners.append(owner.userType() == QMetaType::QString ? owner.toString()
                                                                  : QString::number(owner.toLongLong()));
        }
        object.insert(ownersKey, owners);
    }
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

qint64 AbstractReport::toUserOffset(qint64 msecs, qint64 offsetMinutes)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecs, Qt::LocalTime);
    return QDateTime(local.date(), local.time(), Qt::OffsetFromUTC, int(offsetMinutes * 60)).toMSecsSinceEpoch();
}

void AbstractReport::setAnswerTimeout(std::chrono::milliseconds timeout)
{
    m_answerTimer->setInterval(int(timeout.count()));
}

std::chrono::milliseconds AbstractReport::answerTimeout() const
{
    return std::chrono::milliseconds(m_answerTimer->interval());
}

QString AbstractReport::noAccessText()
{
    return tr("You don't have access for this report");
}

QString AbstractReport::successText()
{
    return tr("Report successfully created");
}

int AbstractReport::userUtcOffset()
{
    return SpSingleton<Client::Controller::UserSession>::instance()->utcOffset().toInt();
}

bool AbstractReport::hasAccess() const
{
    return SecurityLookup().stateByName(accessName(), SecurityLookup::operationNumber(QStringLiteral("read")));
}

void AbstractReport::onAccepted()
{
    if (m_waiting)
        return;
    if (!hasAccess()) {
        Context::critical(noAccessText(), this);
        return;
    }
    if (!isValid())
        return;
    // Asked with no server to ask, it would wait for an answer that cannot come.
    if (!m_connected) {
        Context::critical(tr("There is no connection to the server: the report was not created"), this);
        return;
    }
    const QVariantMap request{{QStringLiteral("options"), buildOptions(options())},
                              {QStringLiteral("type"), reportType()}};
    m_controller->trCreate(request);
    startWaiting();
}

void AbstractReport::startWaiting()
{
    m_writtenLabel->hide();
    m_waiting = true;
    m_answerTimer->start();
    start();
}

bool AbstractReport::finishWaiting()
{
    if (!m_waiting)
        return false;
    m_waiting = false;
    m_answerTimer->stop();
    stop();
    return true;
}

void AbstractReport::waitingAbandoned()
{
}

void AbstractReport::onSaCreate(QVariantMap params)
{
    if (params.value(QStringLiteral("RECEIVER")).toString() != m_controller->objectNumber() || !finishWaiting())
        return;
    if (params.value(QStringLiteral("RES")).toString() != QLatin1String("10")) {
        if (!params.contains(QStringLiteral("FN")))
            params.insert(QStringLiteral("FN"), QStringLiteral("report_saCreate"));
        ErrorCatalogue::show(this, params, refusalCatalogue());
        return;
    }
    writeAnswer(params);
}

void AbstractReport::writeAnswer(const QVariantMap &params)
{
    m_written.clear();
    Client::DesktopUtils *utils = Context::desktopUtils();
    const QSharedPointer<::Report::AbstractReport> report = ::Report::createReport(reportType());
    if (!utils || !report) {
        Context::critical(tr("The report cannot be written: %1").arg(utils ? tr("unknown report type %1").arg(reportType())
                                                                             : tr("no reports folder")),
                          this);
        return;
    }
    const QString folder = utils->exportDir() + QLatin1Char('/') + outputName();
    const bool written = report->generate(params.value(QStringLiteral("JSON")).toString(), folder, templatePath());
    m_written = report->writtenFiles();
    if (!written) {
        Context::critical(tr("The report was not written completely:\n%1").arg(report->errorString()), this);
        return;
    }
    if (m_written.isEmpty()) {
        Context::information(tr("The report holds no data for the chosen period and owners: no workbook was written"),
                             this);
        return;
    }
    const QString where = whereWritten();
    m_writtenLabel->setText(m_written.size() == 1 ? tr("Saved as:\n%1").arg(where)
                                                   : tr("%n workbook(s) saved in:\n%1", nullptr, m_written.size()).arg(where));
    m_writtenLabel->show();
    ToastWindow::showToast(successText() + QLatin1Char('\n') + where, this, 0);
}

QString AbstractReport::whereWritten() const
{
    const QString first = m_written.value(0);
    const bool oneFolder = std::all_of(m_written.cbegin(), m_written.cend(), [&first](const QString &file) {
        return QFileInfo(file).absolutePath() == QFileInfo(first).absolutePath();
    });
    return QDir::toNativeSeparators(m_written.size() == 1 || !oneFolder ? first : QFileInfo(first).absolutePath());
}

void AbstractReport::onConnectionState(bool connected)
{
    m_connected = connected;
    if (!connected && m_waiting)
        abandonRequest(tr("The connection to the server was lost: the report was not created"));
}

void AbstractReport::onAnswerTimeout()
{
    if (!m_waiting)
        return;
    const qint64 seconds = qMax<qint64>(1, answerTimeout().count() / 1000);
    abandonRequest(tr("The server did not answer within %n second(s): the report was not created", nullptr, int(seconds)));
}

void AbstractReport::abandonRequest(const QString &message)
{
    finishWaiting();
    // A new controller number: a late answer to the abandoned request names the old one.
    newController();
    waitingAbandoned();
    qWarning().noquote() << "Report" << reportType() << message;
    Context::critical(message, this);
}

} // namespace Gui::Report
