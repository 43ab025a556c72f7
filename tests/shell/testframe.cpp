#include "testframe.h"

#include <QLabel>
#include <QVBoxLayout>

TestFrame::TestFrame(const QString &note)
    : m_note(new QLabel(note))
{
    setTitle(QStringLiteral("Test frame"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_note);
}

QString TestFrame::note() const
{
    return m_note->text();
}

void TestFrame::setNote(const QString &note)
{
    m_note->setText(note);
}

void TestFrame::loadSettings(const QVariantMap &settings)
{
    Frame::loadSettings(settings);
    if (settings.contains(QStringLiteral("note")))
        setNote(settings.value(QStringLiteral("note")).toString());
}

QVariantMap TestFrame::saveSettings() const
{
    QVariantMap settings = Frame::saveSettings();
    settings.insert(QStringLiteral("note"), note());
    return settings;
}
