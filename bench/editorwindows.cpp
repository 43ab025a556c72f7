#include "editorwindows.h"

#include "fleetbench.h"
#include "pageprogram.h"

#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QJSValue>
#include <QQuickItem>
#include <QWindow>

#include <algorithm>

namespace {

const QString DriverEditorUrl = QStringLiteral("qrc:/qml/driver/driver/DriverEditor.qml");

QString driverSign(int index)
{
    return QStringLiteral("R%1").arg(index + 1);
}

} // namespace

QString EditorWindows::seedDrivers(int count)
{
    return QStringLiteral("INSERT INTO drivers (sign, last_name, first_name, middle_name, phone, dt_utc_insert,"
                          " dt_utc_last_update) SELECT 'R' || g, 'Kovalenko', 'Oleksandr', 'Petrovych',"
                          " '05012345' || lpad(g::text, 2, '0'), 1000, 1000 FROM generate_series(1, %1) g")
        .arg(count);
}

QObject *EditorWindows::formOf(QObject *editor)
{
    return editor ? editor->property("form").value<QObject *>() : nullptr;
}

bool EditorWindows::settled(QObject *editor)
{
    QObject *form = formOf(editor);
    QObject *watch = form ? form->property("watch").value<QObject *>() : nullptr;
    return watch && !form->property("isBusy").toBool() && !watch->property("readsLost").toBool()
        && watch->property("pendingReads").value<QJSValue>().property("length").toInt() == 0;
}

int EditorWindows::readOptions(int *argc, char **argv, int *anchorEditors, int *mostEditors)
{
    int iterations = 3;
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        const QByteArray argument = argv[i];
        if (argument.startsWith("--iterations=")) {
            iterations = qMax(1, argument.mid(13).toInt());
        } else if (argument.startsWith("--editors=")) {
            const QList<QByteArray> counts = argument.mid(10).split(',');
            *anchorEditors = qMax(1, counts.value(0).toInt());
            *mostEditors = qMax(*anchorEditors + 1, counts.value(1).toInt());
        } else {
            argv[kept++] = argv[i];
        }
    }
    *argc = kept;
    return iterations;
}

EditorWindows::EditorWindows(PageProgram *program, int count)
    : m_program(program)
{
    for (int i = 0; i < count; ++i) {
        const QVariant id = program->query(QStringLiteral("SELECT id FROM drivers WHERE sign = ?"), {driverSign(i)});
        m_driverIds << id.toString();
    }
}

bool EditorWindows::allSettled() const
{
    return std::all_of(m_editors.cbegin(), m_editors.cend(), [](QObject *editor) { return settled(editor); });
}

bool EditorWindows::openUpTo(int count)
{
    const QString owner = SpSingleton<Client::Controller::UserSession>::instance()->rstIdOwner();
    while (m_editors.size() < count && m_editors.size() < m_driverIds.size()) {
        const QString sign = driverSign(m_editors.size());
        QPointer<QObject> editor =
            m_program->openPage(DriverEditorUrl, {{"state", "EDIT"}, {"id", m_driverIds.at(m_editors.size())}});
        m_editors.append(editor);
        QQuickItem *signField = pageControl(editor, QStringLiteral("sign"));
        if (!signField || !FleetBench::idleUntil([&] {
                return editor && settled(editor) && formOf(editor)->property("userLockedId").toString() == owner
                    && signField->property("legalText").toString() == sign;
            }))
            return false;
    }
    return m_editors.size() == count;
}

bool EditorWindows::closeLast()
{
    if (m_editors.isEmpty())
        return false;
    QPointer<QObject> editor = m_editors.takeLast();
    QPointer<QWindow> window =
        editor ? qobject_cast<QWindow *>(editor->property("window").value<QObject *>()) : nullptr;
    if (!window)
        return false;
    // What the window system delivers for the window's close button, through the event loop as
    // it does (QWindow::close() would only destroy the window).
    QCoreApplication::postEvent(window, new QCloseEvent);
    return FleetBench::idleUntil([&] { return !editor && !window; }, 5000);
}
