#include "standinwidgetcreator.h"

#include "standincalendar.h"
#include "standinquestion.h"
#include "standinrowlimit.h"
#include "standinsearch.h"
#include "standintoast.h"

void StandinWidgetCreator::openBox(QObject *box, QObject *owner)
{
    record(QStringLiteral("openBox"), {QVariant::fromValue(box), QVariant::fromValue(owner)});
    QMetaObject::invokeMethod(box, "open");
}

void StandinWidgetCreator::activateOwner(QObject *owner)
{
    record(QStringLiteral("activateOwner"), {QVariant::fromValue(owner)});
}

bool StandinWidgetCreator::activateBox(QObject *owner)
{
    record(QStringLiteral("activateBox"), {QVariant::fromValue(owner)});
    return false;
}

QObject *StandinWidgetCreator::toast(const QString &message, int mode)
{
    record(QStringLiteral("toast"), {message, mode});
    return new StandinToast(message, mode, this);
}

QObject *StandinWidgetCreator::message(int kind, const QString &text, QObject *)
{
    record(QStringLiteral("message"), {kind, text});
    return nullptr;
}

QObject *StandinWidgetCreator::safeQuestion(const QString &text, QObject *parent)
{
    record(QStringLiteral("safeQuestion"), {text, QVariant::fromValue(parent)});
    return opened(new StandinQuestion(text, this));
}

QObject *StandinWidgetCreator::calendar(QObject *parent, QObject *item)
{
    record(QStringLiteral("calendar"), {QVariant::fromValue(parent), QVariant::fromValue(item)});
    return opened(new StandinCalendar(this));
}

QObject *StandinWidgetCreator::rowLimit(int limit, QObject *parent)
{
    record(QStringLiteral("rowLimit"), {limit, QVariant::fromValue(parent)});
    return opened(new StandinRowLimit(limit, this));
}

QObject *StandinWidgetCreator::search(QObject *controller, const QJsonArray &rules, QObject *parent)
{
    record(QStringLiteral("search"), {QVariant::fromValue(controller), rules, QVariant::fromValue(parent)});
    return opened(new StandinSearch(rules, this));
}

QObject *StandinWidgetCreator::lastDialog() const
{
    return m_lastDialog;
}

QObject *StandinWidgetCreator::opened(QObject *dialog)
{
    m_lastDialog = dialog;
    return dialog;
}
