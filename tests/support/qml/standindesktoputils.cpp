#include "standindesktoputils.h"

#include "client/utils/focusinview.h"
#include "client/utils/textbound.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>

StandinDesktopUtils::StandinDesktopUtils(QObject *parent)
    : Utils(parent)
{
    setNow(QDateTime(QDate(2024, 5, 14), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch(), 180);
}

void StandinDesktopUtils::setModifiers(int modifiers)
{
    m_modifiers = modifiers;
    emit modifiersChanged();
}

QVariantMap StandinDesktopUtils::writeToExcel(const QVariantMap &table)
{
    m_exports.append(table);
    emit exportsChanged();
    return m_exportResult;
}

QObject *StandinDesktopUtils::boundText(QObject *area, int length, int lineLength)
{
    return Client::TextBound::attach(area, length, lineLength);
}

int StandinDesktopUtils::fittingEnd(const QString &value, int length, int lineLength) const
{
    return Client::TextBound::fittingEnd(value, length, lineLength);
}

QObject *StandinDesktopUtils::keepFocusInView(QObject *flickable)
{
    return Client::FocusInView::attach(flickable);
}

void StandinDesktopUtils::setNow(qlonglong epochMs, int offsetMinutes)
{
    m_now = QDateTime::fromMSecsSinceEpoch(epochMs, Qt::OffsetFromUTC, offsetMinutes * 60);
}

QString StandinDesktopUtils::idToString(QObject *object) const
{
    for (QQmlContext *context = object ? qmlContext(object) : nullptr; context; context = context->parentContext()) {
        const QString name = context->nameForObject(object);
        if (!name.isEmpty())
            return name;
    }
    return {};
}

QObject *StandinDesktopUtils::findChildByName(QObject *rootObject, const QString &name) const
{
    return rootObject ? rootObject->findChild<QObject *>(name) : nullptr;
}

QList<QObject *> StandinDesktopUtils::findChildrenByName(QObject *rootObject, const QString &name) const
{
    return rootObject ? rootObject->findChildren<QObject *>(name) : QList<QObject *>();
}

QString StandinDesktopUtils::getClipboardText() const
{
    return QGuiApplication::clipboard()->text();
}

void StandinDesktopUtils::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}
