#include "smsvariables.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QShortcut>

SmsVariables::SmsVariables(const QVariantMap &variables)
    : QWidget(nullptr)
{
    setWindowTitle(tr("Variables"));
    auto *layout = new QFormLayout(this);
    for (auto it = variables.cbegin(); it != variables.cend(); ++it) {
        auto *field = new QLineEdit(it.key());
        field->setReadOnly(true);
        layout->addRow(it.value().toString() + QLatin1Char(':'), field);
    }
    resize(400, sizeHint().height());
    auto *escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

SmsVariables::~SmsVariables() = default;
