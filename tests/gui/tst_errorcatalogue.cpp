#include "gui/error/errorcatalogue.h"
#include "modalwatchdog.h"

#include <QApplication>
#include <QtTest>

using Gui::ErrorCatalogue;

namespace {

using Texts = QMap<QString, QString>;

const Texts common{{"50", "You don't have enough access privileges for this operation"},
                   {"51", "Operation not allowed"},
                   {"100", "Undefined error"},
                   {"105", "Exception occurred"}};

Texts with(Texts base, const Texts &own)
{
    for (auto it = own.cbegin(); it != own.cend(); ++it)
        base.insert(it.key(), it.value());
    return base;
}

// What each answer of the built-in catalogue knows: its title and its codes.
QList<QPair<QString, QPair<QString, Texts>>> knownAnswers()
{
    const Texts lock{{"100", "Undefined error on lock record"}, {"105", "Exception occurred"}};
    return {
        {"saGetList", {"GET LIST: ", common}},
        {"saInfo", {"INFO: ", common}},
        {"saNew",
         {"ADD: ", with(common, {{"109", "Failed to start transaction"},
                                 {"110", "Transaction commit error"},
                                 {"120", "DB lost connection"},
                                 {"450", "First name is empty"},
                                 {"451", "Second name is empty"},
                                 {"452", "Salary tariff doesn't exist in db"},
                                 {"453", "Offset to UTC less that -14 hours (-840 minutes)"},
                                 {"454", "Offset to UTC greater that +14 hours (+840 minutes)"},
                                 {"455", "Max. simultaneously calls is not a number"}})}},
        {"saUpdate",
         {"UPDATE: ", with(common, {{"70", "Record locked by other user"},
                                    {"71", "Error check user locked: controller object not created"},
                                    {"72", "Record not locked for update"},
                                    {"109", "Failed to start transaction"},
                                    {"110", "Transaction commit error"},
                                    {"120", "DB lost connection"},
                                    {"130", "Record doesn't exist in db"}})}},
        {"saRemove",
         {"REMOVE: ", with(common, {{"101", "Failed to delete system record"},
                                    {"109", "Failed to start transaction"},
                                    {"110", "Record doesn't exist in db"},
                                    {"115", "DB lost connection"},
                                    {"120", "Record can't be deleted because it locked by other user"},
                                    {"130", "Failed to start transaction"},
                                    {"131", "Transaction commit error"}})}},
        {"saDuplicate",
         {"DUPLICATE: ", with(common, {{"109", "Failed to start transaction"},
                                       {"110", "Transaction commit error"},
                                       {"116", "Transaction commit error (for multiple duplicate)"},
                                       {"120", "DB lost connection"},
                                       {"130", "Source record doesn't exist in db"},
                                       {"140", "Error insert duplicated record"},
                                       {"150", "Undefined amount of copies"},
                                       {"160", "Amount must be less or equal 100"},
                                       {"170", "Can't remove source record"},
                                       {"171", "Can't get info about source record for delete it"}})}},
        {"saLock", {"LOCK: ", lock}},
        {"saUnlock", {"UNLOCK: ", lock}},
    };
}

} // namespace

// Server error codes turned into one sentence, and shown without crashing or rendering markup.
class TestErrorCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void everyAnswerAndCode_data();
    void everyAnswerAndCode();
    void composition_data();
    void composition();
    void mergeOverlayWins();
    void showIsPlainText();

private:
    ModalWatchdog m_watchdog;
};

void TestErrorCatalogue::everyAnswerAndCode_data()
{
    QTest::addColumn<QVariantMap>("answer");
    QTest::addColumn<QString>("message");
    const auto answers = knownAnswers();
    QSet<QString> codes{"999", ""};
    for (const auto &answer : answers) {
        const Texts texts = answer.second.second;
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            codes.insert(it.key());
    }
    for (const auto &answer : answers) {
        const QString title = answer.second.first;
        const Texts texts = answer.second.second;
        for (const QString &code : qAsConst(codes)) {
            const QString text = texts.value(code, "Untitled error for controller cmpbl");
            QTest::addRow("%s %s", qPrintable(answer.first), qPrintable(code))
                << QVariantMap{{"FN", "cmpbl_" + answer.first}, {"ERRCODE", code}}
                << QString("%1%2 (code: %3, controller: cmpbl)").arg(title, text, code);
        }
    }
}

void TestErrorCatalogue::everyAnswerAndCode()
{
    QFETCH(QVariantMap, answer);
    QFETCH(QString, message);
    QCOMPARE(ErrorCatalogue::message(answer), message);
}

void TestErrorCatalogue::composition_data()
{
    QTest::addColumn<QVariantMap>("answer");
    QTest::addColumn<QJsonObject>("catalogue");
    QTest::addColumn<QString>("message");
    const QJsonObject none;
    QTest::newRow("numeric code") << QVariantMap{{"FN", "dbl_saGetList"}, {"ERRCODE", 50}} << none
                                  << "GET LIST: You don't have enough access privileges for this operation "
                                     "(code: 50, controller: dbl)";
    QTest::newRow("unknown answer") << QVariantMap{{"FN", "driver_saArchive"}, {"ERRCODE", "5"}} << none
                                    << "Untitled error for controller driver (code: 5, controller: driver)";
    QTest::newRow("no underscore") << QVariantMap{{"FN", "auth"}, {"ERRCODE", "10"}} << none
                                   << "Untitled error for controller auth (code: 10, controller: auth)";
    QTest::newRow("no FN") << QVariantMap{{"ERRCODE", "10"}} << none
                           << "Untitled error for controller  (code: 10, controller: )";
    QTest::newRow("opcode line")
        << QVariantMap{{"FN", "cmpbl_saNew"}, {"ERRCODE", "120"}, {"ERROPCODE", 7}, {"ERROPCODEDESCR", "insert"}}
        << none << "ADD: DB lost connection (code: 120, controller: cmpbl)\nOpcode: 7, description: insert";
    QTest::newRow("empty opcode") << QVariantMap{{"FN", "cmpbl_saNew"}, {"ERRCODE", "120"}, {"ERROPCODE", ""}}
                                  << none << "ADD: DB lost connection (code: 120, controller: cmpbl)";
    QTest::newRow("exception last")
        << QVariantMap{{"FN", "dbl_saUpdate"},
                       {"ERRCODE", "105"},
                       {"exception_description", "deadlock"},
                       {"ERROPCODE", "3"},
                       {"ERROPCODEDESCR", "update"}}
        << none
        << "UPDATE: Exception occurred (code: 105, controller: dbl)\nOpcode: 3, description: update\n"
           "Exception Description: deadlock";
    const QJsonObject nested{{"saNew", QJsonObject{{"cmpbl", QJsonObject{{"300", "Balance is closed"}}}}}};
    QTest::newRow("caller nested") << QVariantMap{{"FN", "cmpbl_saNew"}, {"ERRCODE", "300"}} << nested
                                   << "Balance is closed (code: 300, controller: cmpbl)";
    QTest::newRow("caller replaces built-in") << QVariantMap{{"FN", "cmpbl_saNew"}, {"ERRCODE", "120"}} << nested
                                              << "Untitled error for controller cmpbl (code: 120, controller: cmpbl)";
    QTest::newRow("caller other controller") << QVariantMap{{"FN", "dbl_saNew"}, {"ERRCODE", "300"}} << nested
                                             << "Untitled error for controller dbl (code: 300, controller: dbl)";
    const QJsonObject titled{{"saNew", QJsonObject{{"title", "NEW: "}, {"cmpbl", QJsonObject{{"300", "Closed"}}}}}};
    QTest::newRow("caller title") << QVariantMap{{"FN", "cmpbl_saNew"}, {"ERRCODE", "300"}} << titled
                                  << "NEW: Closed (code: 300, controller: cmpbl)";
}

void TestErrorCatalogue::composition()
{
    QFETCH(QVariantMap, answer);
    QFETCH(QJsonObject, catalogue);
    QFETCH(QString, message);
    QCOMPARE(ErrorCatalogue::message(answer, catalogue), message);
}

void TestErrorCatalogue::mergeOverlayWins()
{
    const QJsonObject base{{"a", "1"}, {"b", "2"}};
    const QJsonObject overlay{{"b", "20"}, {"c", "30"}};
    QCOMPARE(ErrorCatalogue::merge(base, overlay), (QJsonObject{{"a", "1"}, {"b", "20"}, {"c", "30"}}));
    QCOMPARE(base.value("b"), QJsonValue("2"));
    QCOMPARE(ErrorCatalogue::employee().value("50"), ErrorCatalogue::common().value("50"));
    QCOMPARE(ErrorCatalogue::answers().keys(),
             (QStringList{"saDuplicate", "saGetList", "saInfo", "saLock", "saNew", "saRemove", "saUnlock", "saUpdate"}));
}

void TestErrorCatalogue::showIsPlainText()
{
    QApplication::setApplicationDisplayName("Koriv Admin");
    const QVariantMap answer{{"FN", "dbl_saNew"}, {"ERRCODE", "105"}, {"exception_description", "<b>x</b> &amp;"}};

    // Without a parent the box still shows, titled with the application's name.
    ErrorCatalogue::show(nullptr, answer);
    QWidget parent;
    parent.setWindowTitle("Balance log");
    ErrorCatalogue::show(&parent, answer);

    const QList<ModalWatchdog::Box> boxes = m_watchdog.takeBoxes();
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(0).title, QString("Koriv Admin"));
    QCOMPARE(boxes.at(1).title, QString("Balance log"));
    for (const ModalWatchdog::Box &box : boxes) {
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.format, Qt::PlainText);
        QVERIFY(box.text.endsWith("Exception Description: <b>x</b> &amp;"));
    }
    VERIFY_NO_MODAL(m_watchdog);
}

QTEST_MAIN(TestErrorCatalogue)
#include "tst_errorcatalogue.moc"
