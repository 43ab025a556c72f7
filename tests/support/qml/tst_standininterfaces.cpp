// The stand-ins of QWIDGET_CREATOR and of the windows it opens offer the pages nothing that the
// program lacks: every method, signal and property a script reaches on a stand-in (its test
// controls aside) is on the class the program gives in its place, with the same types.
#include "standinwidgetcreator.h"

#include "gui/core/safequestion.h"
#include "gui/dialog/calendar.h"
#include "gui/dialog/rowlimit.h"
#include "gui/qml/qwidgetcreator.h"
#include "gui/search/search.h"
#include "gui/widget/toastwindow.h"

#include <QMessageBox>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QSet>
#include <QtTest>

#include <functional>

namespace {

using Opener = std::function<QObject *(StandinWidgetCreator &)>;

// The names a stand-in and its bases give as "TestControls": what tests use, not pages.
QSet<QByteArray> testControls(const QMetaObject *meta)
{
    QSet<QByteArray> names;
    for (int i = 0; i < meta->classInfoCount(); ++i) {
        const QMetaClassInfo info = meta->classInfo(i);
        if (qstrcmp(info.name(), "TestControls") == 0) {
            for (const QByteArray &name : QByteArray(info.value()).split(' '))
                names.insert(name);
        }
    }
    return names;
}

// The stand-in's QObject stands for whatever object the program passes or returns there.
bool sameType(const QByteArray &standin, const QByteArray &real)
{
    return standin == real || (standin == "QObject*" && real.endsWith('*'));
}

bool isSignal(const QMetaMethod &method)
{
    return method.methodType() == QMetaMethod::Signal;
}

bool sameMethod(const QMetaMethod &standin, const QMetaMethod &real)
{
    if (real.access() != QMetaMethod::Public || isSignal(real) != isSignal(standin)
        || real.name() != standin.name() || real.parameterCount() != standin.parameterCount()
        || !sameType(standin.typeName(), real.typeName()))
        return false;
    for (int i = 0; i < standin.parameterCount(); ++i) {
        if (!sameType(standin.parameterTypes().at(i), real.parameterTypes().at(i)))
            return false;
    }
    return true;
}

bool hasMethod(const QMetaObject *real, const QMetaMethod &standin)
{
    for (int i = 0; i < real->methodCount(); ++i) {
        if (sameMethod(standin, real->method(i)))
            return true;
    }
    return false;
}

bool hasProperty(const QMetaObject *real, const QMetaProperty &standin)
{
    const QMetaProperty property = real->property(real->indexOfProperty(standin.name()));
    return property.isValid() && property.isReadable() && sameType(standin.typeName(), property.typeName())
        && (property.isWritable() || !standin.isWritable());
}

// What a script reaches on the stand-in and not on the real class.
QStringList lacking(const QMetaObject *standin, const QMetaObject *real)
{
    const QSet<QByteArray> controls = testControls(standin);
    QStringList found;
    for (int i = 0; i < standin->methodCount(); ++i) {
        const QMetaMethod method = standin->method(i);
        if (method.access() == QMetaMethod::Public && !controls.contains(method.name())
            && !hasMethod(real, method))
            found.append(QString::fromLatin1(method.typeName()) + ' ' + method.methodSignature());
    }
    for (int i = 0; i < standin->propertyCount(); ++i) {
        const QMetaProperty property = standin->property(i);
        if (!controls.contains(property.name()) && !hasProperty(real, property))
            found.append(QStringLiteral("property %1 %2%3")
                             .arg(property.typeName(), property.name(), property.isWritable() ? " (writable)" : ""));
    }
    return found;
}

} // namespace

Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(const QMetaObject *)

class TestStandinInterfaces : public QObject
{
    Q_OBJECT

private slots:
    void pagesReachOnlyWhatTheProgramHas_data();
    void pagesReachOnlyWhatTheProgramHas();
};

void TestStandinInterfaces::pagesReachOnlyWhatTheProgramHas_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<const QMetaObject *>("real");
    auto row = [](const char *name, Opener open, const QMetaObject *real) {
        QTest::newRow(name) << open << real;
    };
    row("QWIDGET_CREATOR", [](StandinWidgetCreator &creator) { return &creator; },
        &Gui::QWidgetCreator::staticMetaObject);
    row("calendar", [](StandinWidgetCreator &creator) { return creator.calendar(); },
        &Gui::Dialog::Calendar::staticMetaObject);
    row("toast", [](StandinWidgetCreator &creator) { return creator.toast("Saved", 0); },
        &Gui::ToastWindow::staticMetaObject);
    row("message", [](StandinWidgetCreator &creator) { return creator.message(1, "Exported"); },
        &QMessageBox::staticMetaObject);
    row("safeQuestion", [](StandinWidgetCreator &creator) { return creator.safeQuestion("Apply?"); },
        &Gui::SafeQuestion::staticMetaObject);
    row("rowLimit", [](StandinWidgetCreator &creator) { return creator.rowLimit(50); },
        &Gui::Dialog::RowLimit::staticMetaObject);
    row("search", [](StandinWidgetCreator &creator) { return creator.search(nullptr, {}, nullptr); },
        &Gui::Search::staticMetaObject);
}

void TestStandinInterfaces::pagesReachOnlyWhatTheProgramHas()
{
    QFETCH(Opener, open);
    QFETCH(const QMetaObject *, real);
    StandinWidgetCreator creator;
    const QObject *opened = open(creator);
    // A stand-in that gives nothing back offers nothing.
    if (!opened)
        return;
    const QStringList missing = lacking(opened->metaObject(), real);
    QVERIFY2(missing.isEmpty(), qPrintable(real->className() + QStringLiteral(" lacks ") + missing.join(", ")));
}

QTEST_GUILESS_MAIN(TestStandinInterfaces)
#include "tst_standininterfaces.moc"
