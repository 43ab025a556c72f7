#include "commonoptionspage.h"

#include "gui/core/context.h"
#include "gui/core/hub.h"
#include "gui/core/message.h"
#include "gui/helper/customlabelfontsize.h"
#include "gui/settings/settings.h"

#include "client/utils/desktoputils.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace Gui::Dialog {

namespace {

const QString I18n = QStringLiteral("i18n");
const QString Lang = QStringLiteral("lang");
const QString StyleGroup = QStringLiteral("style");
const QString Ui = QStringLiteral("ui");
const QString Logging = QStringLiteral("logging");
const QString Updating = QStringLiteral("updating");

void select(QComboBox *box, const QString &data)
{
    box->setCurrentIndex(box->findData(data));
}

} // namespace

CommonOptionsPage::CommonOptionsPage(QWidget *parent)
    : OptionsPage(parent)
    , m_utils(Context::desktopUtils() ? Context::desktopUtils() : new Client::DesktopUtils(this))
{
    buildUi();
    updateLogSize();
    loadOptions();
}

CommonOptionsPage::~CommonOptionsPage() = default;

void CommonOptionsPage::buildUi()
{
    mainLayout()->addWidget(createInterfaceBox());
    mainLayout()->addWidget(createLoggingBox());
    mainLayout()->addWidget(createUpdatingBox());
}

QWidget *CommonOptionsPage::createInterfaceBox()
{
    m_language = new QComboBox;
    m_language->addItem(tr("English"), QStringLiteral("en"));
    m_language->addItem(tr("Russian"), QStringLiteral("ru"));
    m_listedLanguages = m_language->count();
    m_scale = new QDoubleSpinBox;
    m_scale->setRange(1.0, 2.0);
    m_scale->setSingleStep(0.01);
    m_fontSize = new QSpinBox;
    m_fontSize->setRange(0, 99);
    m_groupWindows = new QCheckBox(tr("&Group windows in taskbar"));
    connect(m_scale, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, [](double scale) {
        if (Hub *hub = Context::hub())
            hub->changeScaleFactor(scale);
    });
    connect(m_fontSize, QOverload<int>::of(&QSpinBox::valueChanged), this, &CommonOptionsPage::onFontSizeChanged);

    auto *box = new QGroupBox(tr("User Interface"));
    auto *form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("&Language:"), m_language);
    form->addRow(tr("S&cale factor:"), m_scale);
    form->addRow(tr("&Font size:"), m_fontSize);
    form->addRow(m_groupWindows);
    return box;
}

QWidget *CommonOptionsPage::createLoggingBox()
{
    m_logging = new QCheckBox(tr("&Enabled"));
    m_clearLogs = new QPushButton(tr("Clea&r logs"));
    m_logSize = new QLabel;
    connect(m_clearLogs, &QPushButton::clicked, this, &CommonOptionsPage::onClearLogsClicked);
    auto *box = new QGroupBox(tr("Logging"));
    auto *row = new QHBoxLayout(box);
    row->addWidget(m_logging);
    row->addWidget(m_clearLogs);
    row->addWidget(m_logSize);
    row->addStretch();
    return box;
}

QWidget *CommonOptionsPage::createUpdatingBox()
{
    m_channel = new QComboBox;
    m_channel->addItem(tr("Release"), QStringLiteral("release"));
    m_channel->addItem(tr("Beta"), QStringLiteral("beta"));
    m_checkOnStartup = new QCheckBox(tr("Check &updates on startup"));
    auto *box = new QGroupBox(tr("Updating"));
    auto *column = new QVBoxLayout(box);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("C&hannel:"), m_channel);
    column->addLayout(form);
    column->addWidget(m_checkOnStartup);
    return box;
}

void CommonOptionsPage::loadOptions()
{
    m_storedLanguage = Settings::language();
    showLanguage(m_storedLanguage);
    // Signals on: the stored scale reaches the open pages once.
    m_scale->setValue(Settings::scaleFactor());
    {
        const QSignalBlocker blocker(m_fontSize);
        m_fontSize->setValue(Settings::fontSize());
    }
    m_groupWindows->setChecked(Settings::groupTaskBarWindows());
    m_logging->setChecked(Settings::loggingEnabled());
    m_storedChannel = Settings::updateChannel();
    select(m_channel, m_storedChannel);
    m_checkOnStartup->setChecked(Settings::checkUpdatesOnStartup());
}

void CommonOptionsPage::showLanguage(const QString &language)
{
    while (m_language->count() > m_listedLanguages)
        m_language->removeItem(m_language->count() - 1);
    // A language of another catalogue stays on offer, named by its code.
    if (!language.isEmpty() && m_language->findData(language) < 0)
        m_language->addItem(language, language);
    select(m_language, language);
}

QString CommonOptionsPage::choice(const QComboBox *box, const QString &stored)
{
    return box->currentIndex() < 0 ? stored : box->currentData().toString();
}

void CommonOptionsPage::saveOptions()
{
    const QString language = choice(m_language, m_storedLanguage);
    const bool restart =
        language != Settings::language() || m_logging->isChecked() != Settings::loggingEnabled();
    if (restart)
        Message::warning(this, tr("Need restart application for applying options"));
    Settings::setValue(Ui, QStringLiteral("groupTaskBarWindows"), m_groupWindows->isChecked());
    Settings::setValue(I18n, Lang, language);
    Settings::setValue(StyleGroup, QStringLiteral("scaleFactor"), m_scale->value());
    Settings::setValue(StyleGroup, QStringLiteral("fontSize"), m_fontSize->value());
    Settings::setValue(Logging, QStringLiteral("enabled"), m_logging->isChecked());
    Settings::setValue(Updating, QStringLiteral("channel"), choice(m_channel, m_storedChannel));
    Settings::setValue(Updating, QStringLiteral("checkOnStartup"), m_checkOnStartup->isChecked());
}

void CommonOptionsPage::onFontSizeChanged(int size)
{
    // 0 stands for the system's size, which only a restart brings back.
    if (size <= 0)
        return;
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (dynamic_cast<Helper::CustomLabelFontSize *>(widget))
            continue;
        // Only the size changes: icon-font buttons keep their glyph font.
        QFont font = widget->font();
        font.setPointSize(size);
        widget->setFont(font);
        widget->update();
    }
    Context::setFontSize(size);
}

QString CommonOptionsPage::logPath() const
{
    return m_utils->getLogPath();
}

void CommonOptionsPage::updateLogSize()
{
    const QString path = logPath();
    const qlonglong bytes = path.isEmpty() ? 0 : m_utils->getDirSize(path);
    m_logSize->setText(tr("Size: %1 MB").arg(bytes / 1000000));
}

void CommonOptionsPage::onClearLogsClicked()
{
    const QString path = logPath();
    if (!path.isEmpty())
        m_utils->removeDir(path);
    updateLogSize();
}

} // namespace Gui::Dialog
