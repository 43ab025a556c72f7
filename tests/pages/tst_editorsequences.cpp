// Seeded random sequences of what an operator and a colleague do to one driver's editor, on X11
// (xcb on Xvfb): keys in Last name, the inner note, Rating and a day of the Sessions period, after
// the operator's own move or where the last one left the cursor; a colleague's save of the middle
// name; an answer held past the busy delay or lost; the connection cut while the colleague saves,
// and back; another window active and the editor again; the open question or message answered;
// Return. After each event: what was typed since the last save or Yes is where it was typed or
// stored so (a), no save writes over a colleague's change that the form never showed unless No
// kept the edits (b), one question at a time and none twice for one change (c), and no message
// says saved, not saved or not sent when it is not so (d).
// KORIV_SEQUENCE_SEED=N plays seed N alone; KORIV_SEQUENCES=N plays N seeds (from that seed on).
#include "drivereditorkeys.h"
#include "editortabs.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "secondclient.h"
#include "timelimit.h"

#include "client/controller/recordfinder.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "gui/core/context.h"
#include "gui/mainwindow/mainwindow.h"
#include "model/orlem/driver/driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QQuickItem>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QValidator>
#include <QtTest>

#include <functional>

namespace {

const QString SecondPassword = QStringLiteral("colleague");

// The fields typed in; the day is the Sessions period's start day, outside the form.
enum Field { LastName, Note, Rating, Day, Fields, NoField = Fields };
const char *const FieldNames[] = {"Last name", "the note", "Rating", "the Sessions start day"};
const char *const Columns[] = {"last_name", "inner_note", "rating"};
enum Tab { Essentials, Sessions };

// What happens to the request an event makes: its answer comes, is held or lost, or the request
// itself is held (what the server sends still passes).
enum class Fate { Comes, Held, Lost, Slow };
const char *const FateNames[] = {"", "'s answer held", "'s answer lost", " held on its way"};

bool isOffline()
{
    return SpSingleton<Client::Controller::UserSession>::instance()->isOffline();
}

QList<QMessageBox *> openBoxes()
{
    QList<QMessageBox *> boxes;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
            boxes.append(box);
    }
    return boxes;
}

bool isQuestion(const QMessageBox *box)
{
    return box->button(QMessageBox::Yes) && box->button(QMessageBox::No);
}

// Another user's change asked about: pushed, or found after a reconnection.
bool isChangeQuestion(const QString &text)
{
    return text.startsWith("Data changed");
}

// A field's text as typed: the cursor and the selection's other end are known from the operator's
// last move into it on.
struct Typed
{
    QString text;
    int cursor = 0;
    int anchor = 0;
    bool placed = false;
    bool selectionKnown = false;
    // The text is the stored one that Yes read.
    bool read = false;
};

// A save sent: the values typed, and how the colleague's changes stood then.
struct Save
{
    QString values[3];
    int changes = 0;
    int declined = 0;
    QString middleName;
};

} // namespace

// One sequence on one driver's editor; its checks stop it at the first that fails.
class Sequence
{
public:
    Sequence(PageProgram &program, SecondClient &second, int secondConnection, quint32 seed)
        : m_program(program), m_second(second), m_secondConnection(secondConnection), m_seed(seed), m_random(seed)
    {
        // The stand-in's events counted as they come: the program's requests by name, its lost
        // connections and the last barrier heard.
        QObject::connect(&program.server(), &StandinServer::eventArrived, &m_heard, [this](const QJsonObject &event) {
            if (event.value("conn").toInt() == m_secondConnection)
                return;
            const QJsonObject message = event.value("message").toObject();
            const QString fn = message.value("FN").toString();
            if (event.value("event") == "disconnected")
                ++m_lostConnections;
            else if (event.value("event") != "message")
                return;
            else if (fn == "city_trGetList")
                m_probeHeard = message.value("id").toString();
            else if (fn.startsWith("driver"))
                ++m_sent[fn], ++m_sentTotal;
        });
    }

    // Empty when every check held; otherwise the failure, the seed and the events.
    QString play();
    // Leaves the program as the next sequence wants it: connected, no box, the editor closed.
    void end();

private:
    // Events.
    void keys(Field field);
    void returnKey(Fate fate);
    void colleagueSaves(Fate fate);
    void answer(bool atEnd = false);
    void release();
    void cut();
    void back();
    void otherWindow();
    void editorBack();
    void nextEvent();
    void finish();

    // Steps and checks.
    bool fail(const QString &check, const QString &message);
    // One numbered line an event: what it did and what the program said.
    void log(const QString &part)
    {
        if (std::exchange(m_eventStarts, false) || m_log.isEmpty())
            m_log.append(QString("%1. %2").arg(++m_events, 2).arg(part));
        else
            m_log.last() += "; " + part;
    }
    bool colleagueWrites(const QString &how);
    bool moveInto(Field field);
    bool showTab(Tab tab);
    void typeKey(Field field, char key);
    bool settle();
    void flush();
    void afterSave(const Save &save);
    void takeReadValues();
    void checkForm();
    void checkBoxes();
    void noteLoss();
    bool waitForLoss(const QString &fn);
    void arm(Fate fate, const QString &fn);
    bool waitForFate(Fate fate, const QString &fn, int sentBefore);
    Save snapshot();
    QQuickItem *item(Field field) const;
    QString stored(const QString &column) const { return storedDriver(m_program, m_id, column); }
    bool storedAre(const QString *values) const;
    int programSent(const QString &fn) const;
    bool editorActive() const { return QGuiApplication::focusWindow() == m_opened.window; }
    bool isDirty() const { return m_opened.editor && m_opened.editor->property("isDirty").toBool(); }
    bool isDimmed() const { return m_opened.editor && m_opened.editor->property("isBusy").toBool(); }
    int bounded(int n) { return int(m_random.bounded(quint32(n))); }

    PageProgram &m_program;
    SecondClient &m_second;
    const int m_secondConnection;
    const quint32 m_seed;
    QRandomGenerator m_random;
    QStringList m_log;
    QString m_failure;
    QString m_id;
    NoteEditor m_opened;
    QQuickItem *m_rating = nullptr;
    QQuickItem *m_middleName = nullptr;
    QQuickItem *m_day = nullptr;
    QString m_sessionsKey;

    Typed m_typed[Fields];
    Field m_focus[2] = {LastName, NoField};
    Tab m_tab = Essentials;
    bool m_online = true;
    // An answer or a request is held: the page dims.
    bool m_held = false;
    bool m_requestHeld = false;
    // Since when (events) the program is offline, the answer held, the editor's window inactive.
    int m_offlineFor = 0;
    int m_heldFor = 0;
    int m_inactiveFor = 0;
    // The colleague's changes: made, ones the program has read or been told of, answered in a
    // question (No or Yes), kept out by No.
    int m_changes = 0;
    int m_known = 0;
    int m_covered = 0;
    int m_declined = 0;
    int m_readsAtChange = 0;
    // The held answer is the save's; a save sent whose answer went with the connection, its
    // outcome not said yet; the save was on its way when the connection was last lost.
    bool m_saveHeld = false;
    Save m_heldSave;
    bool m_lostSaveUnknown = false;
    Save m_lostSave;
    bool m_lossHadSave = false;
    // Yes was answered and its read has not shown the record yet.
    bool m_yesPending = false;
    int m_boxesSeen = 0;
    int m_barrier = 0;
    int m_events = 0;
    bool m_eventStarts = false;
    QObject m_heard;
    QHash<QString, int> m_sent;
    int m_sentTotal = 0;
    int m_lostConnections = 0;
    QString m_probeHeard;
};

QString Sequence::play()
{
    static int drivers = 0;
    ModalWatchdog &watchdog = m_program.watchdog();
    m_id = m_program.query("INSERT INTO drivers (sign, last_name, first_name, middle_name, inner_note, rating,"
                           " dt_utc_insert, dt_utc_last_update) VALUES (?, 'Kovalenko', 'Ivan', 'Mid', 'Night shifts',"
                           " 3.5, 1000, 1000) RETURNING id", {QString("Q%1").arg(++drivers)}).toString();
    m_opened = openAtNote(m_program, m_id);
    if (!m_opened.editor)
        return QString("seed %1: the driver's editor did not open").arg(m_seed);
    m_rating = pageControl(m_opened.editor, "rating");
    m_middleName = pageControl(m_opened.editor, "middle_name");
    QObject *tabBar = m_opened.editor->property("tabView").value<QObject *>()->property("tabBar").value<QObject *>();
    const QStringList letters = m_opened.editor->property("tabView").value<QObject *>()->property("letters").toStringList();
    for (int i = 0; i < tabBar->property("count").toInt() && i < letters.size(); ++i) {
        QQuickItem *button = nullptr;
        QMetaObject::invokeMethod(tabBar, "itemAt", Q_RETURN_ARG(QQuickItem *, button), Q_ARG(int, i));
        if (button && button->objectName() == "sessionsTab")
            m_sessionsKey = "Ctrl+" + letters.at(i);
    }
    for (Field field : {LastName, Note, Rating})
        m_typed[field].text = textOf(item(field));
    Typed &lastName = m_typed[LastName];
    lastName.cursor = m_opened.lastName->property("cursorPosition").toInt();
    lastName.anchor = lastName.cursor == m_opened.lastName->property("selectionEnd").toInt()
        ? m_opened.lastName->property("selectionStart").toInt() : m_opened.lastName->property("selectionEnd").toInt();
    lastName.placed = lastName.selectionKnown = true;
    m_readsAtChange = programSent("driver_trInfo");
    watchdog.leaveBoxesOpen(true);
    m_boxesSeen = watchdog.boxes().size();

    const int events = 8 + bounded(13);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < events && m_failure.isEmpty(); ++i) {
        m_eventStarts = true;
        const qint64 started = clock.elapsed();
        nextEvent();
        // An event's waits are bounded: one that takes long says so, and the sequence ends
        // before Qt Test's limit on the test function.
        if (clock.elapsed() - started > timeLimit(5000))
            log(QString("(%1 s)").arg((clock.elapsed() - started) / 1000));
        if (clock.elapsed() > timeLimit(150000))
            fail("time", QString("the sequence took %1 s").arg(clock.elapsed() / 1000));
        if (m_failure.isEmpty()) {
            checkBoxes();
            checkForm();
        }
    }
    if (m_failure.isEmpty())
        finish();
    return m_failure;
}

bool Sequence::fail(const QString &check, const QString &message)
{
    if (m_failure.isEmpty())
        m_failure = QString("seed %1, %2: %3\nevents (KORIV_SEQUENCE_SEED=%1 plays them again):\n  %4")
                        .arg(m_seed).arg(check, message, m_log.join("\n  "));
    return false;
}

QQuickItem *Sequence::item(Field field) const
{
    switch (field) {
    case LastName:
        return m_opened.lastName;
    case Note:
        return m_opened.area;
    case Rating:
        return m_rating;
    default:
        return m_day;
    }
}

int Sequence::programSent(const QString &fn) const
{
    return m_sent.value(fn);
}

void Sequence::flush()
{
    // The watchdog records a box in a queued call.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Waits until every request of the program is answered and no more goes out (online, nothing
// held): an own request's answer comes after those of the requests sent before it.
bool Sequence::settle()
{
    int before = -1;
    for (int round = 0; round < 20; ++round) {
        const QString probeId = QString::number(-1000 - ++m_barrier);
        Client::Controller::RecordFinder probe(QStringLiteral("city"));
        QSignalSpy found(&probe, &Client::Controller::RecordFinder::found);
        probe.find({{"id", probeId}});
        const bool heard = QTest::qWaitFor([&] { return m_probeHeard == probeId; }, timeLimit(10000));
        if (!heard || !QTest::qWaitFor([&] { return !found.isEmpty(); }, timeLimit(10000)))
            return fail("settle", "the program's requests were not answered");
        flush();
        QObject *form = PageControls::formOf(m_opened.editor);
        const int sent = m_sentTotal;
        if (sent == before && form && !form->property("isBusy").toBool() && !isDimmed()) {
            takeReadValues();
            return true;
        }
        before = sent;
    }
    return fail("settle", "the program did not come to rest");
}

// After the program came to rest: what it read tells it the colleague's changes, and Yes has
// shown the stored record.
void Sequence::takeReadValues()
{
    if (programSent("driver_trInfo") > m_readsAtChange)
        m_known = m_changes;
    if (m_changes > 0 && textOf(m_middleName) == QString("Col%1").arg(m_changes))
        m_covered = qMax(m_covered, m_changes);
    if (!m_yesPending)
        return;
    m_yesPending = false;
    for (Field field : {LastName, Note, Rating}) {
        Typed &typed = m_typed[field];
        const QString value = field == Rating ? textOf(m_rating) : stored(Columns[field]);
        if (field == Rating && stored("rating").toDouble() != value.toDouble())
            return void(fail("(a)", "Yes was answered, yet Rating shows " + value + " where " + stored("rating") + " is stored"));
        typed.read = true;
        if (typed.text != value) {
            typed.text = value;
            typed.cursor = typed.anchor = qMin(typed.cursor, value.size());
            typed.selectionKnown = false;
        }
    }
}

void Sequence::checkForm()
{
    if (!m_opened.editor)
        return void(fail("(a)", "the editor closed"));
    for (int f = LastName; f < Fields; ++f) {
        QQuickItem *field = item(Field(f));
        if (!field)
            continue;
        const Typed &typed = m_typed[f];
        if (textOf(field) != typed.text)
            return void(fail("(a)", QString("%1 shows \"%2\" where \"%3\" %4").arg(FieldNames[f], textOf(field), typed.text,
                                                                                 typed.read ? "is stored and Yes read it" : "was typed")));
        if (!typed.placed || f == Day)
            continue;
        const int cursor = field->property("cursorPosition").toInt();
        if (cursor != typed.cursor)
            return void(fail("(a)", QString("%1's cursor is at %2 of \"%3\", where the operator left it at %4")
                                        .arg(FieldNames[f]).arg(cursor).arg(typed.text).arg(typed.cursor)));
        const int start = field->property("selectionStart").toInt();
        const int end = field->property("selectionEnd").toInt();
        if (typed.selectionKnown && (start != qMin(typed.cursor, typed.anchor) || end != qMax(typed.cursor, typed.anchor)))
            return void(fail("(a)", QString("%1's selection is %2-%3 of \"%4\", where the operator left %5-%6")
                                        .arg(FieldNames[f]).arg(start).arg(end).arg(typed.text)
                                        .arg(qMin(typed.cursor, typed.anchor)).arg(qMax(typed.cursor, typed.anchor))));
    }
}

// The boxes shown since the last look: one question at a time, none twice for one change, and
// what they say of the data is so.
void Sequence::checkBoxes()
{
    flush();
    const QList<ModalWatchdog::Box> boxes = m_program.watchdog().boxes();
    for (; m_boxesSeen < boxes.size(); ++m_boxesSeen) {
        const QString text = boxes.at(m_boxesSeen).text;
        log("it says: " + text);
        if (isChangeQuestion(text) || text.contains("Show the stored values?")) {
            if (m_changes <= m_covered)
                return void(fail("(c)", QString("asked again about the colleague's change to Col%1, answered or shown already: %2")
                                            .arg(m_changes).arg(text)));
            if (isChangeQuestion(text))
                m_known = m_changes;
        }
        const bool typedStored = storedAre(m_lostSaveUnknown ? m_lostSave.values : snapshot().values);
        if (text.startsWith("The data was saved") && !(m_lostSaveUnknown && typedStored))
            return void(fail("(d)", "said saved, but the server does not hold what was typed: " + text));
        // Refused at once offline ("There is no connection…: the data was not saved") speaks
        // only of that Return; a lost save found out speaks of the data.
        if (text.startsWith("The data was not saved") && typedStored)
            return void(fail("(d)", "said not saved, but the server holds what was typed: " + text));
        if (text.contains("The data was not sent") && !m_lossHadSave)
            return void(fail("(d)", "said not sent, but no save was on its way when the connection went: " + text));
        if (text.contains("whether the data was saved is not known") && !m_lossHadSave)
            return void(fail("(d)", "said a save's outcome is not known, but none was on its way: " + text));
        if (text.contains("whether the last save reached it is not known") && !m_lostSaveUnknown)
            return void(fail("(d)", "said the last save's outcome is not known, but none went without answer: " + text));
        if (m_lostSaveUnknown && (text.startsWith("The data was saved") || text.contains("The data was not saved")
                                  || text.startsWith("Whether the data was saved"))) {
            m_lostSaveUnknown = false;
            afterSave(m_lostSave);
        }
    }
    int questions = 0;
    for (QMessageBox *box : openBoxes())
        questions += isQuestion(box) ? 1 : 0;
    if (questions > 1)
        fail("(c)", QString("%1 questions open at once").arg(questions));
}

Save Sequence::snapshot()
{
    Save save;
    for (Field field : {LastName, Note, Rating})
        save.values[field] = m_typed[field].text;
    save.changes = m_changes;
    save.declined = m_declined;
    return save;
}

bool Sequence::storedAre(const QString *values) const
{
    return stored("last_name") == values[LastName] && stored("inner_note") == values[Note]
        && stored("rating").toDouble() == values[Rating].toDouble();
}

// A save answered: what was typed is stored so, over no colleague's change it never showed but
// one No kept out.
void Sequence::afterSave(const Save &save)
{
    if (!storedAre(save.values))
        return;
    if (save.changes > 0 && save.middleName != QString("Col%1").arg(save.changes) && save.declined < save.changes)
        fail("(b)", QString("the save stored middle name \"%1\" over the colleague's \"Col%2\", which the form never showed"
                            " and No never kept out").arg(save.middleName).arg(save.changes));
}

bool Sequence::showTab(Tab tab)
{
    if (m_tab == tab)
        return true;
    const char *name = tab == Sessions ? "sessionsTab" : "essentialsTab";
    if (bounded(2)) {
        press(m_opened.window, QKeySequence(tab == Sessions ? m_sessionsKey : QString("Ctrl+T")));
        log(tab == Sessions ? m_sessionsKey : QString("Ctrl+T"));
    } else {
        QQuickItem *button = editorTabButton(m_opened.editor, name);
        QTest::mouseClick(m_opened.window, Qt::LeftButton, Qt::NoModifier,
                          button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint());
        log(QString("a click on the tab %1").arg(name));
    }
    m_tab = tab;
    // The tab left may ask for its list, and say that it cannot: the event ends with the box.
    flush();
    if (!openBoxes().isEmpty())
        return false;
    if (tab == Sessions && !m_day) {
        QObject *page = nullptr;
        if (!QTest::qWaitFor([&] { return (page = editorTabPage(m_opened.editor, name)); }, timeLimit(10000)))
            return fail("tab", "the Sessions tab did not open");
        QObject *start = page->findChild<QObject *>("period")->property("startDate").value<QObject *>();
        auto *cell = start->property("day").value<QQuickItem *>();
        // Two digits make a day however slowly the machine types them.
        cell->setProperty("entryDelay", timeLimit(600000));
        m_day = cell->property("input").value<QQuickItem *>();
        m_typed[Day].text = textOf(m_day);
    }
    if (m_online && !m_held && !settle())
        return false;
    QQuickItem *focused = m_focus[tab] == NoField ? nullptr : item(m_focus[tab]);
    if (focused && !QTest::qWaitFor([&] { return focused->hasActiveFocus(); }, timeLimit(5000)))
        return fail("(a)", QString("%1 did not get the keys back with its tab").arg(FieldNames[m_focus[tab]]));
    return true;
}

// The operator's own move into the field: a click, for the texts then keys that move the cursor.
bool Sequence::moveInto(Field field)
{
    QQuickItem *target = item(field);
    QStringList moves;
    if (m_focus[m_tab] != field || bounded(2)) {
        if (field != Day)
            PageControls::scrollTo(field == Note ? m_opened.note : target);
        QPoint point;
        if (field == Note) {
            const int at = bounded(m_typed[Note].text.size() + 1);
            point = charPoint(target, at);
            moves.append(QString("a click at %1").arg(at));
        } else {
            point = target->mapToScene(QPointF(field == Day ? target->width() / 2 : 4 + bounded(int(target->width()) - 8),
                                               target->height() / 2)).toPoint();
            moves.append("a click");
        }
        if (m_focus[m_tab] != field && m_focus[m_tab] != NoField)
            m_typed[m_focus[m_tab]].placed = false;
        QTest::mouseClick(m_opened.window, Qt::LeftButton, Qt::NoModifier, point);
        if (!QTest::qWaitFor([&] { return target->hasActiveFocus(); }, timeLimit(5000)))
            return fail("move", QString("the click did not take the focus into %1").arg(FieldNames[field]));
        m_focus[m_tab] = field;
        // A day is entered whole: the cell takes the focus, not a place.
        if (field == Day) {
            log(QString("%1 into %2").arg(moves.join(", "), FieldNames[field]));
            return true;
        }
        Typed &typed = m_typed[field];
        typed.cursor = target->property("cursorPosition").toInt();
        const int start = target->property("selectionStart").toInt();
        typed.anchor = typed.cursor == start ? target->property("selectionEnd").toInt() : start;
        typed.placed = typed.selectionKnown = true;
    }
    Typed &typed = m_typed[field];
    // Rating is typed after its text only: its digits never replace the whole number.
    const int keys = field == Day ? 0 : field == Rating ? 1 : bounded(3);
    for (int i = keys; i > 0; --i) {
        const bool selection = typed.cursor != typed.anchor;
        const int step = selection ? bounded(2) : bounded(4);
        const bool end = step == 0 || (field == Rating && step >= 2);
        if (step < 2 || field == Rating) {
            const Qt::KeyboardModifiers modifiers = field == Note ? Qt::ControlModifier : Qt::NoModifier;
            QTest::keyClick(m_opened.window, end || field == Rating ? Qt::Key_End : Qt::Key_Home, modifiers);
            typed.cursor = end || field == Rating ? typed.text.size() : 0;
            moves.append(QString(field == Note ? "Ctrl+" : "") + (end || field == Rating ? "End" : "Home"));
        } else {
            const bool left = step == 2;
            QTest::keyClick(m_opened.window, left ? Qt::Key_Left : Qt::Key_Right);
            typed.cursor = qBound(0, typed.cursor + (left ? -1 : 1), typed.text.size());
            moves.append(left ? "Left" : "Right");
        }
        typed.anchor = typed.cursor;
        typed.selectionKnown = true;
    }
    if (!moves.isEmpty())
        log(QString("%1 in %2 (cursor %3)").arg(moves.join(", "), FieldNames[field]).arg(typed.cursor));
    return true;
}

void Sequence::typeKey(Field field, char key)
{
    QQuickItem *target = item(field);
    Typed &typed = m_typed[field];
    // A dimmed page takes no key.
    const bool refused = isDimmed();
    QTest::keyClick(m_opened.window, key);
    if (refused)
        return;
    // A day's digits are taken whole once both are in.
    if (field == Day)
        return void(typed.text += key);
    QString text = typed.text;
    const int from = qMin(typed.cursor, typed.anchor);
    text.replace(from, qAbs(typed.cursor - typed.anchor), QString(key));
    int at = from + 1;
    if (auto *validator = target->property("validator").value<QValidator *>(); validator && validator->validate(text, at) == QValidator::Invalid)
        return;
    typed.text = text;
    typed.read = false;
    typed.cursor = typed.anchor = from + 1;
    typed.selectionKnown = true;
}

void Sequence::keys(Field field)
{
    const bool dimmed = isDimmed();
    if (!dimmed && !showTab(field == Day ? Sessions : Essentials))
        return;
    if (!dimmed && !moveInto(field))
        return;
    QByteArray letters;
    if (field == Day) {
        const int day = 10 + bounded(19);
        letters = QByteArray::number(day);
    } else {
        // Rating keeps within a float's digits, which the server stores.
        const int room = field == Rating ? 6 - int(m_typed[Rating].text.size()) : 3;
        for (int i = qMin(1 + bounded(3), room); i > 0; --i)
            letters += field == Rating ? char('1' + bounded(9)) : char(bounded(3) ? 'a' + bounded(26) : 'A' + bounded(26));
    }
    log(QString("\"%1\" typed in %2%3").arg(QString::fromLatin1(letters), FieldNames[m_focus[m_tab]],
                                          dimmed ? " while the page is dimmed" : ""));
    if (field == Day && !dimmed)
        m_typed[Day].text.clear();
    for (char key : letters)
        typeKey(field, key);
}

void Sequence::arm(Fate fate, const QString &fn)
{
    if (fate == Fate::Held)
        m_program.proxy().holdAnswerTo(fn);
    else if (fate == Fate::Lost)
        m_program.proxy().loseAnswerTo(fn, true);
    else if (fate == Fate::Slow)
        m_program.proxy().holdRequest(fn);
}

// The request sent, then its answer: come (the program at rest), held (the page dimmed) or lost
// (the program offline).
bool Sequence::waitForFate(Fate fate, const QString &fn, int sentBefore)
{
    if (!QTest::qWaitFor([&] { return programSent(fn) > sentBefore; }, timeLimit(10000))) {
        m_program.proxy().disarm();
        return fail("request", fn + " was not sent");
    }
    if (fate == Fate::Comes)
        return settle();
    if (fate == Fate::Held) {
        m_held = true;
        if (!QTest::qWaitFor([&] { return isDimmed(); }, timeLimit(10000)))
            return fail("request", "the page did not dim while " + fn + "'s answer was held");
        return true;
    }
    return waitForLoss(fn);
}

bool Sequence::waitForLoss(const QString &fn)
{
    if (!QTest::qWaitFor([&] { return m_program.proxy().lost().endsWith(fn) && isOffline(); }, timeLimit(10000)))
        return fail("loss", "the connection did not go with " + fn + "'s answer");
    noteLoss();
    return true;
}

// The connection is gone: a save on its way went with it, its outcome unknown.
void Sequence::noteLoss()
{
    m_online = false;
    m_held = m_requestHeld = false;
    m_lossHadSave = m_saveHeld;
    if (m_saveHeld) {
        m_lostSave = m_heldSave;
        m_lostSaveUnknown = true;
        m_saveHeld = false;
    }
    flush();
}

void Sequence::returnKey(Fate fate)
{
    if (!showTab(Essentials))
        return;
    log(QString("Return%1%2").arg(fate == Fate::Comes ? "" : QString(", the save") + FateNames[int(fate)],
                                  m_online ? "" : " (offline)"));
    Save save = snapshot();
    save.middleName = textOf(m_middleName);
    const int sent = programSent("driver_trUpdate");
    arm(fate, "driver_trUpdate");
    if (fate != Fate::Comes) {
        m_saveHeld = true;
        m_heldSave = save;
    }
    QTest::keyClick(m_opened.window, Qt::Key_Return);
    if (!m_online)
        return;
    if (!waitForFate(fate, "driver_trUpdate", sent))
        return;
    if (fate == Fate::Comes)
        afterSave(save);
}

bool Sequence::colleagueWrites(const QString &how)
{
    const QString value = QString("Col%1").arg(++m_changes);
    m_readsAtChange = programSent("driver_trInfo");
    const bool locked = m_second.request("trLock", {{"id", m_id}}).value("RES").toString() == "10";
    const QVariantMap saved = m_second.request("trUpdate", {{"id", m_id}, {"middle_name", value}});
    if (locked)
        m_second.request("trUnlock", {{"id", m_id}});
    log(QString("the colleague saves middle name %1 (%2)%3").arg(value, locked ? "lock, update, unlock" : "over the lock", how));
    if (saved.value("RES").toString() != "10")
        return fail("colleague", "the colleague's save was refused: " + saved.value("exception_description").toString());
    return true;
}

void Sequence::colleagueSaves(Fate fate)
{
    // A read held on its way goes with keys typed before the page dims; where none can be typed,
    // its answer is held instead.
    const Field focus = m_focus[Essentials];
    const bool typable = editorActive() && m_tab == Essentials && focus != NoField;
    if (fate == Fate::Slow && !typable)
        fate = Fate::Held;
    const int sent = programSent("driver_trInfo");
    arm(fate, "driver_trInfo");
    const bool asks = isDirty() && openBoxes().isEmpty();
    if (!colleagueWrites(fate == Fate::Comes ? "" : QString(", the program's read") + FateNames[int(fate)]) || !m_online)
        return;
    if (m_held) {
        // Past a request held the push comes: a form with edits asks about it.
        if (m_requestHeld && asks && !QTest::qWaitFor([&] { return !openBoxes().isEmpty(); }, timeLimit(10000)))
            fail("question", "the colleague's change of a form with edits was not asked about");
        if (m_requestHeld)
            m_known = m_changes;
        return;
    }
    QObject *form = PageControls::formOf(m_opened.editor);
    if (fate == Fate::Slow || (fate == Fate::Held && typable && bounded(2))) {
        const QVariant busyDelay = m_opened.editor->property("busyDelay");
        m_opened.editor->setProperty("busyDelay", timeLimit(600000));
        if (QTest::qWaitFor([&] { return fate == Fate::Slow ? form->property("isBusy").toBool() : programSent("driver_trInfo") > sent; },
                            timeLimit(10000)))
            keys(focus);
        m_opened.editor->setProperty("busyDelay", busyDelay);
    }
    if (fate == Fate::Comes) {
        if (settle())
            m_known = m_changes;
    } else if (fate == Fate::Slow) {
        m_held = m_requestHeld = true;
        if (!QTest::qWaitFor([&] { return isDimmed(); }, timeLimit(10000)))
            fail("request", "the page did not dim while the read was held on its way");
    } else {
        waitForFate(fate, "driver_trInfo", sent);
    }
}

void Sequence::answer(bool atEnd)
{
    QMessageBox *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box && !openBoxes().isEmpty())
        box = openBoxes().last();
    if (!box)
        return;
    QPointer<QMessageBox> guard(box);
    const bool question = isQuestion(box);
    const QString text = box->text();
    const bool change = isChangeQuestion(text) || text.contains("Show the stored values?");
    // Yes needs the connection to read; offline its outcome is not told here.
    enum { Yes, No, Escape, Ok } choice = !question ? (bounded(2) ? Ok : Escape)
        : (atEnd || !m_online || m_yesPending) ? (bounded(2) ? No : Escape) : (bounded(3) == 0 ? Yes : bounded(2) ? No : Escape);
    const Fate fate = choice == Yes && !m_held && change ? Fate(bounded(5) < 3 ? 0 : 1 + bounded(2)) : Fate::Comes;
    // Return presses a question's default, which may be Yes: not offline.
    const bool byKey = choice == Escape || (choice != Yes && (m_online || !question) && bounded(2));
    const char *names[] = {"Yes", "No", "Escape", "OK"};
    log(QString("%1 (%2) to \"%3\"%4").arg(names[choice], byKey ? "key" : "click", text.left(60),
                                          fate == Fate::Comes ? "" : QString(", its read") + FateNames[int(fate)]));
    const int sent = programSent("driver_trInfo");
    arm(fate, "driver_trInfo");
    // The button the key pressed: a question's default may be either.
    QMessageBox::StandardButton pressed = QMessageBox::NoButton;
    QObject::connect(box, &QMessageBox::buttonClicked, box, [&pressed, box](QAbstractButton *button) {
        pressed = box->standardButton(button);
    });
    if (byKey) {
        if (!activate(box->windowHandle()))
            return void(fail("answer", "the box did not become active: " + text));
        keyClickClosing(box->windowHandle(), choice == Escape ? Qt::Key_Escape : Qt::Key_Return);
    } else {
        QAbstractButton *button = box->button(choice == Yes ? QMessageBox::Yes : choice == No ? QMessageBox::No : QMessageBox::Ok);
        if (!button)
            button = box->defaultButton();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    if (!QTest::qWaitFor([&] { return !guard || !guard->isVisible(); }, timeLimit(5000)))
        return void(fail("answer", "the box stayed open: " + text));
    // The window it was opened over takes the keys again, so that the next event is drawn alike.
    if (!QTest::qWaitFor([&] { return editorActive() || !openBoxes().isEmpty(); }, timeLimit(2000)))
        log("(the editor's window is not active after it)");
    const bool yes = pressed == QMessageBox::Yes;
    if (yes && choice != Yes)
        log("(the key pressed Yes)");
    if (question && change) {
        m_covered = qMax(m_covered, m_known);
        if (yes)
            m_yesPending = true;
        else
            m_declined = qMax(m_declined, m_known);
    }
    if (yes && change && m_online && !m_held)
        waitForFate(fate, "driver_trInfo", sent);
    else if (m_online && !m_held)
        settle();
}

void Sequence::release()
{
    log(m_requestHeld ? "the held request goes" : "the held answer comes");
    m_program.proxy().releaseHeld();
    m_held = m_requestHeld = false;
    m_known = m_changes;
    if (!settle())
        return;
    if (std::exchange(m_saveHeld, false))
        afterSave(m_heldSave);
}

void Sequence::cut()
{
    log("the connection is cut");
    const int before = m_lostConnections;
    m_program.proxy().disarm();
    m_program.proxy().cut(true);
    if (!QTest::qWaitFor([&] { return isOffline() && m_lostConnections > before; }, timeLimit(10000)))
        return void(fail("cut", "the program did not notice the connection go"));
    noteLoss();
    checkBoxes();
    if (m_failure.isEmpty())
        colleagueWrites(" while the connection is down");
}

void Sequence::back()
{
    log("the connection is back");
    m_program.proxy().release();
    if (!QTest::qWaitFor([] { return !isOffline(); }, timeLimit(30000)))
        return void(fail("back", "the program did not connect again"));
    m_online = true;
    settle();
}

void Sequence::otherWindow()
{
    log("the main window is made active");
    // A day left by it finishes its change: the Sessions list is asked for again.
    if (!activate(Gui::Context::mainWindow()->windowHandle()))
        fail("window", "the main window did not become active");
    else if (m_online && !m_held)
        settle();
}

void Sequence::editorBack()
{
    log("the editor is made active again");
    if (!activate(m_opened.window))
        fail("window", "the editor's window did not become active");
    else if (m_online && !m_held)
        settle();
}

// One event drawn from those the state allows; one held, offline or inactive too long ends.
void Sequence::nextEvent()
{
    const bool box = !openBoxes().isEmpty();
    const bool active = editorActive();
    m_heldFor = m_held ? m_heldFor + 1 : 0;
    m_offlineFor = m_online ? 0 : m_offlineFor + 1;
    m_inactiveFor = active || box ? 0 : m_inactiveFor + 1;
    if (m_heldFor > 3)
        return release();
    if (m_offlineFor > 3)
        return back();
    if (m_inactiveFor > 3)
        return editorBack();
    struct Choice { int weight; std::function<void()> run; };
    QList<Choice> choices;
    const auto fate = [&] { return m_online && !m_held ? Fate(bounded(5) < 3 ? 0 : 1 + bounded(2)) : Fate::Comes; };
    if (box) {
        choices.append({8, [&] { answer(); }});
    } else if (active && !m_yesPending) {
        for (Field field : {LastName, Note, Rating, Day}) {
            const bool typable = m_held ? field == m_focus[m_tab] : field != Day || m_day || m_online;
            if (typable && !(field == Rating && m_typed[Rating].text.size() >= 6))
                choices.append({3, [this, field] { keys(field); }});
        }
        if (isDirty() && !m_held)
            choices.append({3, [&] { returnKey(m_online ? fate() : Fate::Comes); }});
        choices.append({1, [&] { otherWindow(); }});
    } else if (!active) {
        choices.append({3, [&] { editorBack(); }});
    }
    if (m_online && !m_held && !isDirty() && !box)
        choices.append({2, [&] { colleagueSaves(bounded(6) == 5 ? Fate::Slow : fate()); }});
    else
        choices.append({2, [&] { colleagueSaves(Fate::Comes); }});
    if (m_online)
        choices.append({1, [&] { cut(); }});
    else
        choices.append({3, [&] { back(); }});
    if (m_held)
        choices.append({3, [&] { release(); }});
    int total = 0;
    for (const Choice &choice : choices)
        total += choice.weight;
    int drawn = bounded(total);
    for (const Choice &choice : choices) {
        if ((drawn -= choice.weight) < 0)
            return choice.run();
    }
}

// The sequence's end: the answer, the connection and the editor back, every box answered, and
// what is left typed saved with Return.
void Sequence::finish()
{
    m_eventStarts = true;
    log("the end: what is held comes, the connection and the editor's window come back, the boxes are answered, Return saves");
    for (int i = 0; i < 12 && m_failure.isEmpty(); ++i) {
        if (m_held)
            release();
        else if (!m_online)
            back();
        else if (!openBoxes().isEmpty())
            answer(true);
        else if (!editorActive())
            editorBack();
        else if (isDirty() && !m_yesPending && i < 10)
            returnKey(Fate::Comes);
        else
            break;
        if (m_failure.isEmpty()) {
            checkBoxes();
            checkForm();
        }
    }
}

void Sequence::end()
{
    ModalWatchdog &watchdog = m_program.watchdog();
    watchdog.leaveBoxesOpen(false);
    m_program.proxy().disarm();
    m_program.proxy().releaseHeld();
    m_program.proxy().release();
    for (int i = 0; i < 10 && !openBoxes().isEmpty(); ++i) {
        QMessageBox *box = openBoxes().last();
        QAbstractButton *button = box->button(QMessageBox::No);
        if (!button)
            button = box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok) : box->buttons().value(0);
        button->click();
        flush();
    }
    if (!QTest::qWaitFor([] { return !isOffline(); }, timeLimit(30000)))
        qWarning("the program did not connect again after the sequence");
    if (m_opened.editor) {
        m_opened.editor->setProperty("isDiscarded", true);
        m_program.closePage(m_opened.editor);
    }
    watchdog.reset();
}

class TestEditorSequences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void sequence_data();
    void sequence();

private:
    // Made before the program: the program's controllers join the newest network.
    SecondClient m_second;
    PageProgram m_program;
    int m_secondConnection = 0;
};

void TestEditorSequences::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    m_program.setThroughProxy(true);
    const QString failure = m_program.start("editorsequences", {"second:" + passwordDigest(SecondPassword)});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(m_second.signIn(m_program.server().port(), "second", SecondPassword));
    m_second.watch<Model::Orlem::Driver>("driver");
    for (const QJsonObject &event : m_program.server().events()) {
        if (event.value("event") == "connected")
            m_secondConnection = event.value("conn").toInt();
    }
}

void TestEditorSequences::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestEditorSequences::sequence_data()
{
    QTest::addColumn<quint32>("seed");
    bool replay = false;
    const quint32 first = qEnvironmentVariable("KORIV_SEQUENCE_SEED").toUInt(&replay);
    bool counted = false;
    const int count = qEnvironmentVariableIntValue("KORIV_SEQUENCES", &counted);
    // CI's fixed seeds: fewer where everything runs several times slower.
    const int fixed = qEnvironmentVariableIntValue("KORIV_TEST_TIME_FACTOR") > 1 ? 5 : 24;
    const int sequences = counted ? count : replay ? 1 : fixed;
    for (int i = 0; i < sequences; ++i) {
        const quint32 seed = (replay ? first : 1) + quint32(i);
        QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
    }
}

void TestEditorSequences::sequence()
{
    QFETCH(quint32, seed);
    Sequence run(m_program, m_second, m_secondConnection, seed);
    const QString failure = run.play();
    run.end();
    // Qt Test cuts a long message: the events go to the log whole.
    if (!failure.isEmpty())
        qInfo().noquote() << failure;
    QVERIFY2(failure.isEmpty(), qPrintable(failure.section('\n', 0, 0)));
}

KORIV_PAGE_TEST_MAIN(TestEditorSequences)

#include "tst_editorsequences.moc"
