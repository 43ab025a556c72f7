#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

#include <utility>

class QInputMethodEvent;
class QMouseEvent;
class QQuickItem;

namespace Client {

// Keeps the text of a QML text area within a number of characters (code points) in all and in
// each line, whichever way text comes in. Text that arrives without a key, an input method's
// commit or the X11 selection pasted by a middle click, is cut before the area lays it out, and
// cut() says so; the area's key handlers put typed and pasted text in through insertCut(). Each
// insertion costs a pass over the area's text and at most the bound's characters of the
// inserted text, however long that is. Qt Quick's text areas take no drops.
class TextBound : public QObject
{
    Q_OBJECT

public:
    // Watches area, which owns it.
    TextBound(QQuickItem *area, int length, int lineLength);
    // A bound of area, owned by it, for QML; null when area is no QQuickItem.
    static TextBound *attach(QObject *area, int length, int lineLength);

    // Characters of a text: a pair of surrogates counts once.
    static int characters(QStringView text);
    // The length (in UTF-16 units) of the longest start of value with at most length characters
    // in all and lineLength in each line, cut between whole characters; value.size() when the
    // whole of it keeps within them.
    static int fittingEnd(QStringView value, int length, int lineLength);
    // The longest start of inserted that before + it + after keeps within the bounds, cut between
    // whole characters. Its last line joins the first line of after.
    static QString fittingInsert(QStringView before, const QString &inserted, QStringView after, int length,
                                 int lineLength);

    // Puts as much of text in place of the area's selection as the bounds leave room for, and
    // returns the characters put in; -1, and nothing done, when all of it fits.
    Q_INVOKABLE int insertCut(const QString &text);

signals:
    // Inserted text did not fit and was cut; nothingAdded when none of it went in.
    void cut(bool nothingAdded);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool cutCommit(QInputMethodEvent *event);
    bool cutSelectionPaste(QMouseEvent *event);
    QString text() const;
    // The area's selection within value, its text: start and end.
    std::pair<int, int> selection(const QString &value) const;
    void insert(int position, const QString &text);

    QQuickItem *m_area;
    int m_length;
    int m_lineLength;
    // The cut commit is on its way to the area.
    bool m_forwarding = false;
};

} // namespace Client
