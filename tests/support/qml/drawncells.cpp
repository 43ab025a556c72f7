#include "drawncells.h"

#include "timelimit.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>
#include <QtTest>

#include <algorithm>

namespace {

struct Shown
{
    QString text;
    QPointF centre;
};

struct Place
{
    QObject *column = nullptr;
    int index = -1;
    QString role;
    qreal left = 0;
    qreal right = 0;
};

bool isTextItem(const QQuickItem *item)
{
    return item->inherits("QQuickText") || item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit");
}

// The non-empty texts of the visible text items below root, with their centres in to's coordinates.
void collectTexts(QQuickItem *root, QQuickItem *to, QVector<Shown> *found)
{
    if (!root->isVisible() || qFuzzyIsNull(root->opacity()))
        return;
    if (isTextItem(root)) {
        const QString text = root->property("text").toString();
        if (!text.isEmpty())
            found->append({text, root->mapToItem(to, QPointF(root->width() / 2, root->height() / 2))});
    }
    for (QQuickItem *child : root->childItems())
        collectTexts(child, to, found);
}

QString joined(QVector<Shown> texts)
{
    std::sort(texts.begin(), texts.end(), [](const Shown &a, const Shown &b) { return a.centre.x() < b.centre.x(); });
    QStringList list;
    for (const Shown &shown : texts)
        list.append(shown.text);
    return list.join(QLatin1String(" | "));
}

QObject *columnAt(QQuickItem *view, int index)
{
    QVariant column;
    QMetaObject::invokeMethod(view, "getColumn", Q_RETURN_ARG(QVariant, column), Q_ARG(QVariant, index));
    return column.value<QObject *>();
}

// The shown columns that lie, at least in part, between the list's left and right edges.
QVector<Place> columnsInSight(QQuickItem *view, QQuickItem *list)
{
    QVector<Place> places;
    const qreal left = list->property("contentX").toReal();
    const qreal right = left + list->width();
    qreal x = 0;
    const int count = view->property("columnCount").toInt();
    for (int i = 0; i < count; ++i) {
        QObject *column = columnAt(view, i);
        if (!column || !column->property("visible").toBool())
            continue;
        const qreal width = column->property("width").toReal();
        if (width > 0 && x + width > left && x < right)
            places.append({column, i, column->property("role").toString(), x, x + width});
        x += width;
    }
    return places;
}

// The texts the column's delegate makes of a value, in an instance of its own: the names a
// cell's delegate reads (styleData, model, modelData) are given as Qt's table view gives them.
QString delegateTexts(QQuickItem *view, const Place &place, int row, const QVariant &value, qreal height)
{
    auto *delegate = place.column->property("delegate").value<QQmlComponent *>();
    if (!delegate)
        delegate = view->property("itemDelegate").value<QQmlComponent *>();
    if (!delegate)
        return QString();
    QQmlContext *outer = delegate->creationContext() ? delegate->creationContext() : qmlContext(view);
    QQmlContext context(outer);
    context.setContextProperty(QStringLiteral("styleData"),
                               QVariantMap{{"row", row},
                                           {"column", place.index},
                                           {"elideMode", place.column->property("elideMode")},
                                           {"textAlignment", place.column->property("horizontalAlignment")},
                                           {"selected", false},
                                           {"hasActiveFocus", false},
                                           {"pressed", false},
                                           {"textColor", QStringLiteral("black")},
                                           {"role", place.role},
                                           {"value", value}});
    context.setContextProperty(QStringLiteral("model"), QVariant());
    context.setContextProperty(QStringLiteral("modelData"), QVariant());
    QQuickItem holder;
    holder.setSize(QSizeF(place.right - place.left, height));
    QObject *object = delegate->beginCreate(&context);
    auto *item = qobject_cast<QQuickItem *>(object);
    if (item)
        item->setParentItem(&holder);
    delegate->completeCreate();
    QVector<Shown> texts;
    if (item)
        collectTexts(item, &holder, &texts);
    delete object;
    return joined(texts);
}

int roleId(const QAbstractItemModel *model, const QString &role)
{
    const QHash<int, QByteArray> names = model->roleNames();
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        if (it.value() == role.toUtf8())
            return it.key();
    }
    return -1;
}

// The rows in sight of a table view's list, the text items drawn in its content and the texts
// each column's delegate makes of a value (made once per value).
class ViewReader
{
public:
    ViewReader(QQuickItem *view, QQuickItem *list, QAbstractItemModel *model)
        : m_view(view)
        , m_list(list)
        , m_model(model)
    {
        collectTexts(list->property("contentItem").value<QQuickItem *>(),
                     list->property("contentItem").value<QQuickItem *>(), &m_drawn);
    }

    // The rows made for the list whose place lies, at least in part, between the header and the
    // bottom edge.
    QVector<QQuickItem *> rowsInSight(QVector<int> *indexes) const
    {
        QVector<QQuickItem *> rows;
        auto *header = m_list->property("headerItem").value<QQuickItem *>();
        const qreal contentY = m_list->property("contentY").toReal();
        const qreal top = contentY + (header && header->isVisible() ? header->height() : 0);
        const qreal bottom = contentY + m_list->height();
        int row = -1;
        QMetaObject::invokeMethod(m_list, "indexAt", Q_RETURN_ARG(int, row),
                                  Q_ARG(qreal, m_list->property("contentX").toReal() + 1), Q_ARG(qreal, top + 1));
        for (row = qMax(0, row); row < m_model->rowCount(); ++row) {
            QQuickItem *item = nullptr;
            QMetaObject::invokeMethod(m_list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, item), Q_ARG(int, row));
            if (!item || item->y() >= bottom)
                break;
            if (item->y() + item->height() > top) {
                rows.append(item);
                indexes->append(row);
            }
        }
        return rows;
    }

    QString drawnIn(const Place &place, const QQuickItem *row) const
    {
        QVector<Shown> inCell;
        for (const Shown &shown : m_drawn) {
            const QPointF &at = shown.centre;
            if (at.x() >= place.left && at.x() < place.right && at.y() >= row->y() && at.y() < row->y() + row->height())
                inCell.append(shown);
        }
        return joined(inCell);
    }

    QString madeOf(const Place &place, int row, const QVariant &value, qreal height)
    {
        const QString key = QString::number(quintptr(place.column)) + QLatin1Char('/') + value.toString();
        auto found = m_made.constFind(key);
        if (found == m_made.constEnd())
            found = m_made.insert(key, delegateTexts(m_view, place, row, value, height));
        return found.value();
    }

private:
    QQuickItem *m_view;
    QQuickItem *m_list;
    QAbstractItemModel *m_model;
    QVector<Shown> m_drawn;
    QHash<QString, QString> m_made;
};

} // namespace

DrawnCells::Result DrawnCells::check(QQuickItem *view)
{
    Result result;
    auto *list = view ? view->property("__listView").value<QQuickItem *>() : nullptr;
    auto *model = view ? qobject_cast<QAbstractItemModel *>(view->property("model").value<QObject *>()) : nullptr;
    if (!list || !model) {
        result.faults.append(QStringLiteral("no table view with a model"));
        return result;
    }
    result.rowCount = model->rowCount();
    const QVector<Place> places = columnsInSight(view, list);
    result.columnsInSight = places.size();
    for (const Place &place : places)
        result.columns.append(place.role);
    ViewReader reader(view, list, model);
    QVector<int> indexes;
    const QVector<QQuickItem *> rows = reader.rowsInSight(&indexes);
    result.rowsInSight = rows.size();
    const int idRole = roleId(model, QStringLiteral("id"));
    for (int r = 0; r < rows.size(); ++r) {
        const QModelIndex index = model->index(indexes.at(r), 0);
        for (const Place &place : places) {
            const int role = roleId(model, place.role);
            if (role < 0)
                continue;
            const QString expected = reader.madeOf(place, indexes.at(r), model->data(index, role), rows.at(r)->height());
            const QString drawn = reader.drawnIn(place, rows.at(r));
            result.cellsWithText += expected.isEmpty() ? 0 : 1;
            if (drawn != expected)
                result.faults.append(QStringLiteral("row %1 (id %2), %3: drawn \"%4\", its delegate makes \"%5\"")
                                         .arg(indexes.at(r))
                                         .arg(idRole < 0 ? QString() : model->data(index, idRole).toString(),
                                              place.role, drawn, expected));
        }
    }
    return result;
}

DrawnCells::Result DrawnCells::settled(QQuickItem *view, int timeoutMs)
{
    Result result;
    // The last result tells what did not settle.
    const bool settledInTime = QTest::qWaitFor(
        [&] {
            result = check(view);
            return (result.rowsInSight > 0 || result.rowCount == 0) && result.faults.isEmpty();
        },
        timeLimit(timeoutMs));
    Q_UNUSED(settledInTime);
    return result;
}

QStringList DrawnCells::pageFaults(QObject *page, bool moreRowsThanFit)
{
    QList<QQuickItem *> tables;
    // A window shows its page a moment after the page is made.
    if (!QTest::qWaitFor([&] { return !(tables = shownViews(page)).isEmpty(); }, timeLimit(3000)))
        return {QStringLiteral("no table shown")};
    QStringList faults;
    for (QQuickItem *view : tables) {
        const Result drawn = settled(view);
        const bool hidden = drawn.rowCount > 0 && (drawn.rowsInSight == 0 || drawn.cellsWithText < drawn.rowsInSight);
        const bool allShown = moreRowsThanFit && drawn.rowCount <= drawn.rowsInSight;
        if (!drawn.faults.isEmpty() || hidden || allShown)
            faults.append(QStringLiteral("table %1: %2").arg(view->objectName(), describe(drawn)));
    }
    return faults;
}

namespace {

bool isTableView(const QQuickItem *item)
{
    return item->metaObject()->indexOfProperty("__listView") >= 0
        && item->metaObject()->indexOfProperty("columnCount") >= 0;
}

void collectViews(QQuickItem *root, QList<QQuickItem *> *views)
{
    if (isTableView(root) && !views->contains(root))
        views->append(root);
    for (QQuickItem *child : root->childItems())
        collectViews(child, views);
}

} // namespace

QList<QQuickItem *> DrawnCells::views(QObject *page)
{
    QList<QQuickItem *> views;
    if (auto *item = qobject_cast<QQuickItem *>(page))
        collectViews(item, &views);
    // A page in a window of its own: its content is the window's.
    auto *window = page ? qobject_cast<QQuickWindow *>(page->property("window").value<QObject *>()) : nullptr;
    if (window)
        collectViews(window->contentItem(), &views);
    return views;
}

QList<QQuickItem *> DrawnCells::shownViews(QObject *page)
{
    QList<QQuickItem *> shown;
    for (QQuickItem *view : views(page)) {
        if (view->isVisible() && view->width() > 0 && view->height() > 0)
            shown.append(view);
    }
    return shown;
}

QString DrawnCells::describe(const Result &result)
{
    QString text = QStringLiteral("%1 rows, %2 in sight, %3 columns in sight, %4 cells with text")
                       .arg(result.rowCount)
                       .arg(result.rowsInSight)
                       .arg(result.columnsInSight)
                       .arg(result.cellsWithText);
    if (!result.faults.isEmpty())
        text += QStringLiteral("; %1 cells wrong, the first: ").arg(result.faults.size())
            + result.faults.mid(0, 5).join(QLatin1String("; "));
    return text;
}

QVariantMap DrawnCells::settledCheck(QQuickItem *view) const
{
    const Result result = settled(view);
    return {{"faults", result.faults},
            {"rowCount", result.rowCount},
            {"rowsInSight", result.rowsInSight},
            {"columnsInSight", result.columnsInSight},
            {"cellsWithText", result.cellsWithText}};
}
