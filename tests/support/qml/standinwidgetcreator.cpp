#include "standinwidgetcreator.h"

#include "standindialog.h"
#include "standintoast.h"

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

QObject *StandinWidgetCreator::calendar(QObject *parent)
{
    return open(QStringLiteral("calendar"), {QVariant::fromValue(parent)});
}

QObject *StandinWidgetCreator::rowLimit(int limit, QObject *parent)
{
    StandinDialog *dialog = open(QStringLiteral("rowLimit"), {limit, QVariant::fromValue(parent)});
    dialog->setLimit(limit);
    return dialog;
}

QObject *StandinWidgetCreator::search(QObject *controller, const QVariant &rules, QObject *parent)
{
    StandinDialog *dialog = open(QStringLiteral("search"),
                                 {QVariant::fromValue(controller), rules, QVariant::fromValue(parent)});
    dialog->setRules(rules);
    return dialog;
}

QObject *StandinWidgetCreator::lastDialog() const
{
    return m_lastDialog;
}

StandinDialog *StandinWidgetCreator::open(const QString &kind, const QVariantList &args)
{
    record(kind, args);
    m_lastDialog = new StandinDialog(kind, this);
    return m_lastDialog;
}
