#include "intervaleditor.h"

#include "gui/core/message.h"
#include "gui/widget/plusbutton.h"
#include "intervalwidget.h"

#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include <cmath>

namespace Gui::Dialog {

namespace {

QString pointDecimal(QString text)
{
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

bool isNumber(const QString &text)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(pointDecimal(text), &ok);
    return ok && std::isfinite(number);
}

} // namespace

IntervalEditor::IntervalEditor(const QString &intervals, int type, QWidget *parent)
    : StandardDialog(parent)
    , m_type(type)
    , m_add(new PlusButton)
    , m_rows(new QVBoxLayout)
{
    setWindowTitle(tr("Interval Editor"));
    m_rows->setSpacing(0);
    auto *content = new QVBoxLayout;
    content->addWidget(m_add, 0, Qt::AlignRight);
    content->addLayout(m_rows);
    insertLayout(content, true);
    const QStringList entries = intervals.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &entry : entries)
        addInterval(entry);
    connect(m_add, &QPushButton::clicked, this, [this] { addInterval(QString()); });
}

IntervalEditor::~IntervalEditor() = default;

IntervalWidget *IntervalEditor::addInterval(const QString &entry)
{
    auto *row = new IntervalWidget(entry, m_type);
    m_rows->addWidget(row);
    m_rowList.append(row);
    connect(row, &IntervalWidget::removed, this, [this, row] { removeInterval(row); });
    return row;
}

void IntervalEditor::removeInterval(IntervalWidget *row)
{
    // The row's own button is still handling its click: delete the row later.
    m_rows->removeWidget(row);
    m_rowList.removeOne(row);
    row->hide();
    row->deleteLater();
    adjustSize();
}

QList<IntervalWidget *> IntervalEditor::rows() const
{
    return m_rowList;
}

PlusButton *IntervalEditor::addButton() const
{
    return m_add;
}

QString IntervalEditor::rowError(const IntervalWidget *row) const
{
    if (row->threshold().isEmpty() || row->value().isEmpty())
        return tr("Empty value error");
    for (const QString &text : {row->threshold(), row->value()}) {
        if (!isNumber(text))
            return tr("\"%1\" is not a number").arg(text);
    }
    return QString();
}

void IntervalEditor::accept()
{
    for (IntervalWidget *row : qAsConst(m_rowList)) {
        const QString error = rowError(row);
        if (!error.isEmpty()) {
            Message::critical(this, error);
            return;
        }
    }
    StandardDialog::accept();
}

QString IntervalEditor::intervals() const
{
    QStringList entries;
    for (const IntervalWidget *row : m_rowList)
        entries.append(pointDecimal(row->threshold()) + QLatin1Char('=') + pointDecimal(row->value()));
    return entries.join(QLatin1Char(';'));
}

} // namespace Gui::Dialog
