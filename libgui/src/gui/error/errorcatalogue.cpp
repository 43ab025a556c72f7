#include "errorcatalogue.h"

#include "gui/core/message.h"

#include <QCoreApplication>
#include <QStringList>

namespace Gui {

namespace {

struct Entry
{
    const char *code;
    const char *text;
};

QString qobjectTr(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

QJsonObject table(std::initializer_list<Entry> entries)
{
    QJsonObject result;
    for (const Entry &entry : entries)
        result.insert(QLatin1String(entry.code), qobjectTr(entry.text));
    return result;
}

const char *const transactionFailed = QT_TRANSLATE_NOOP("QObject", "Failed to start transaction");
const char *const commitError = QT_TRANSLATE_NOOP("QObject", "Transaction commit error");
const char *const lostConnection = QT_TRANSLATE_NOOP("QObject", "DB lost connection");
const char *const lockError = QT_TRANSLATE_NOOP("QObject", "Undefined error on lock record");
const char *const exceptionOccurred = QT_TRANSLATE_NOOP("QObject", "Exception occurred");

QJsonObject buildAnswers()
{
    const QJsonObject common = ErrorCatalogue::common();
    auto overCommon = [&common](std::initializer_list<Entry> own) { return ErrorCatalogue::merge(common, table(own)); };
    QJsonObject answers;
    answers.insert(QStringLiteral("saGetList"), overCommon({{"title", QT_TRANSLATE_NOOP("QObject", "GET LIST: ")}}));
    answers.insert(QStringLiteral("saInfo"), overCommon({{"title", QT_TRANSLATE_NOOP("QObject", "INFO: ")}}));
    answers.insert(QStringLiteral("saNew"),
                   ErrorCatalogue::merge(overCommon({{"title", QT_TRANSLATE_NOOP("QObject", "ADD: ")},
                                                     {"109", transactionFailed},
                                                     {"110", commitError},
                                                     {"120", lostConnection}}),
                                         ErrorCatalogue::employee()));
    answers.insert(QStringLiteral("saUpdate"),
                   overCommon({{"title", QT_TRANSLATE_NOOP("QObject", "UPDATE: ")},
                               {"70", QT_TRANSLATE_NOOP("QObject", "Record locked by other user")},
                               {"71", QT_TRANSLATE_NOOP("QObject", "Error check user locked: controller object not created")},
                               {"72", QT_TRANSLATE_NOOP("QObject", "Record not locked for update")},
                               {"109", transactionFailed},
                               {"110", commitError},
                               {"120", lostConnection},
                               {"130", QT_TRANSLATE_NOOP("QObject", "Record doesn't exist in db")}}));
    answers.insert(QStringLiteral("saRemove"),
                   overCommon({{"title", QT_TRANSLATE_NOOP("QObject", "REMOVE: ")},
                               {"101", QT_TRANSLATE_NOOP("QObject", "Failed to delete system record")},
                               {"109", transactionFailed},
                               {"110", QT_TRANSLATE_NOOP("QObject", "Record doesn't exist in db")},
                               {"115", lostConnection},
                               {"120", QT_TRANSLATE_NOOP("QObject", "Record can't be deleted because it locked by other user")},
                               {"130", transactionFailed},
                               {"131", commitError}}));
    answers.insert(QStringLiteral("saDuplicate"),
                   overCommon({{"title", QT_TRANSLATE_NOOP("QObject", "DUPLICATE: ")},
                               {"109", transactionFailed},
                               {"110", commitError},
                               {"116", QT_TRANSLATE_NOOP("QObject", "Transaction commit error (for multiple duplicate)")},
                               {"120", lostConnection},
                               {"130", QT_TRANSLATE_NOOP("QObject", "Source record doesn't exist in db")},
                               {"140", QT_TRANSLATE_NOOP("QObject", "Error insert duplicated record")},
                               {"150", QT_TRANSLATE_NOOP("QObject", "Undefined amount of copies")},
                               {"160", QT_TRANSLATE_NOOP("QObject", "Amount must be less or equal 100")},
                               {"170", QT_TRANSLATE_NOOP("QObject", "Can't remove source record")},
                               {"171", QT_TRANSLATE_NOOP("QObject", "Can't get info about source record for delete it")}}));
    // The lock answers hold their own entries only, without the common codes.
    answers.insert(QStringLiteral("saLock"), table({{"title", QT_TRANSLATE_NOOP("QObject", "LOCK: ")},
                                                    {"100", lockError},
                                                    {"105", exceptionOccurred}}));
    answers.insert(QStringLiteral("saUnlock"), table({{"title", QT_TRANSLATE_NOOP("QObject", "UNLOCK: ")},
                                                      {"100", lockError},
                                                      {"105", exceptionOccurred}}));
    return answers;
}

// The text for code in an answer's table: its own entry, else the controller's nested entry.
QString codeText(const QJsonObject &answerTable, const QString &controller, const QString &code)
{
    if (answerTable.contains(code))
        return answerTable.value(code).toString();
    const QString nested = answerTable.value(controller).toObject().value(code).toString();
    if (!nested.isEmpty())
        return nested;
    return qobjectTr("Untitled error for controller ") + controller;
}

} // namespace

QJsonObject ErrorCatalogue::common()
{
    static const QJsonObject table = Gui::table({
        {"50", QT_TRANSLATE_NOOP("QObject", "You don't have enough access privileges for this operation")},
        {"51", QT_TRANSLATE_NOOP("QObject", "Operation not allowed")},
        {"100", QT_TRANSLATE_NOOP("QObject", "Undefined error")},
        {"105", exceptionOccurred},
    });
    return table;
}

QJsonObject ErrorCatalogue::employee()
{
    static const QJsonObject table = merge(
        common(), Gui::table({
                      {"450", QT_TRANSLATE_NOOP("QObject", "First name is empty")},
                      {"451", QT_TRANSLATE_NOOP("QObject", "Second name is empty")},
                      {"452", QT_TRANSLATE_NOOP("QObject", "Salary tariff doesn't exist in db")},
                      {"453", QT_TRANSLATE_NOOP("QObject", "Offset to UTC less that -14 hours (-840 minutes)")},
                      {"454", QT_TRANSLATE_NOOP("QObject", "Offset to UTC greater that +14 hours (+840 minutes)")},
                      {"455", QT_TRANSLATE_NOOP("QObject", "Max. simultaneously calls is not a number")},
                  }));
    return table;
}

QJsonObject ErrorCatalogue::answers()
{
    static const QJsonObject catalogue = buildAnswers();
    return catalogue;
}

QJsonObject ErrorCatalogue::merge(const QJsonObject &base, const QJsonObject &overlay)
{
    QJsonObject result = base;
    for (auto it = overlay.constBegin(); it != overlay.constEnd(); ++it)
        result.insert(it.key(), it.value());
    return result;
}

QString ErrorCatalogue::message(const QVariantMap &answer, const QJsonObject &catalogue)
{
    const QJsonObject &tables = catalogue.isEmpty() ? answers() : catalogue;
    const QStringList fn = answer.value(QStringLiteral("FN")).toString().split(QLatin1Char('_'));
    const QString controller = fn.value(0);
    const QString code = answer.value(QStringLiteral("ERRCODE")).toString();
    const QJsonObject answerTable = tables.value(fn.value(1)).toObject();

    QString text = answerTable.value(QStringLiteral("title")).toString() + codeText(answerTable, controller, code);
    text += QStringLiteral(" (%1: %2, %3: %4)").arg(qobjectTr("code"), code, qobjectTr("controller"), controller);
    const QString opcode = answer.value(QStringLiteral("ERROPCODE")).toString();
    if (!opcode.isEmpty()) {
        text += QLatin1Char('\n') + qobjectTr("Opcode") + QStringLiteral(": ") + opcode + QStringLiteral(", ")
              + qobjectTr("description: ") + answer.value(QStringLiteral("ERROPCODEDESCR")).toString();
    }
    const QString exception = answer.value(QStringLiteral("exception_description")).toString();
    if (!exception.isEmpty())
        text += QLatin1Char('\n') + qobjectTr("Exception Description: ") + exception;
    return text;
}

int ErrorCatalogue::show(QWidget *parent, const QVariantMap &answer, const QJsonObject &catalogue)
{
    return Message::critical(parent, message(answer, catalogue));
}

} // namespace Gui
