#include "standinquestion.h"

#include <QMessageBox>

StandinQuestion::StandinQuestion(const QString &text, QObject *parent)
    : StandinDialog(QStringLiteral("question"), parent)
    , m_text(text)
{
}

void StandinQuestion::setText(const QString &text)
{
    record(QStringLiteral("setText"), {text});
    m_text = text;
}

void StandinQuestion::answer(bool yes)
{
    if (yes)
        emit this->yes();
    emit finished(yes ? QMessageBox::Yes : QMessageBox::No);
    deleteLater();
}

bool StandinQuestion::close()
{
    answer(false);
    return true;
}
