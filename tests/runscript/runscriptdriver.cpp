// The program as scripts/run.sh starts it (KORIV_RUN_PROGRAM), driven instead of a person: the
// settings run.sh left, the sign-in dialog typed into, then the step KORIV_RUNSCRIPT_STEP names.
//   demo: the demo platform's drivers, cities, companies and notifications drawn; "More..." of
//         each notification opening the record it names; each report of the Report menu written
//         for the last thirty days with the demo's rows in its workbook (the brand reports: the
//         car company's drivers, and a sum in each payment channel; the path of each workbook
//         printed); then the language set to Ukrainian, as the Options dialog stores it.
//   bare: the language kept from the run before and the program speaking it; no drivers.
// Prints what stood in the way and exits 1, or exits 0. Screenshots go to $KORIV_SCREENSHOT_DIR.
#include "journeyrows.h"
#include "journeysteps.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "windowdriver.h"

#include "startup/startup.h"

#include "client/utils/desktoputils.h"
#include "gui/core/context.h"
#include "gui/frame/frames.h"
#include "gui/report/abstractreport.h"
#include "gui/report/startenddatetimeedit.h"
#include "gui/settings/settings.h"
#include "gui/shell/global.h"
#include "timelimit.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdio>

namespace {

const QString Password = QStringLiteral("admin");
const QRegularExpression DemoSign(QStringLiteral("^D\\d{3}$"));
// The demo's car company has the drivers D001 to D040.
constexpr int CarCompanyDrivers = 40;

const JourneyRow *rowOf(const QString &url)
{
    for (const JourneyRow &row : journeyRows()) {
        if (row.url == url)
            return &row;
    }
    return nullptr;
}

// The texts that the items below item draw (its hidden ones left out).
void drawnTexts(QQuickItem *item, QStringList *texts)
{
    if (!item || !item->isVisible())
        return;
    const QVariant text = item->property("text");
    if (text.isValid() && !text.toString().isEmpty())
        texts->append(text.toString());
    for (QQuickItem *child : item->childItems())
        drawnTexts(child, texts);
}

// The texts that a page's table view draws.
QStringList drawnTexts(QObject *page)
{
    QStringList texts;
    drawnTexts(qobject_cast<QQuickItem *>(PageControls::tableViewOf(page)), &texts);
    return texts;
}

void screenshot(const QString &name)
{
    const QString folder = qEnvironmentVariable("KORIV_SCREENSHOT_DIR");
    QWidget *window = JourneySteps::mainWindow();
    if (folder.isEmpty() || !window)
        return;
    QDir().mkpath(folder);
    QTest::qWait(timeLimit(300));
    const QRect frame = window->frameGeometry();
    window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage().save(
        folder + QLatin1Char('/') + name);
}

// Every value a workbook's sheets hold, as texts.
QStringList workbookValues(const QString &path)
{
    QProcess python;
    python.start("/usr/bin/python3",
                 {"-c",
                  "import json, sys, openpyxl\n"
                  "book = openpyxl.load_workbook(sys.argv[1])\n"
                  "print(json.dumps([str(c.value) for s in book.worksheets for r in s.iter_rows() for c in r"
                  " if c.value is not None]))",
                  path});
    if (!python.waitForFinished(timeLimit(30000)) || python.exitCode() != 0)
        return {};
    QStringList values;
    for (const QJsonValue &value : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
        values.append(value.toString());
    return values;
}

// The cells of a workbook's first sheet: {"B13": "D001", ...}, values as texts.
QJsonObject sheetCells(const QString &path)
{
    QProcess python;
    python.start("/usr/bin/python3",
                 {"-c",
                  "import json, sys, openpyxl\n"
                  "sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
                  "print(json.dumps({c.coordinate: str(c.value) for r in sheet.iter_rows() for c in r"
                  " if c.value is not None}))",
                  path});
    if (!python.waitForFinished(timeLimit(30000)) || python.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

bool ofCarCompany(const QString &sign)
{
    return DemoSign.match(sign).hasMatch() && sign.mid(1).toInt() >= 1 && sign.mid(1).toInt() <= CarCompanyDrivers;
}

// What a brand report's workbook shows wrong of the demo: the brand car report lists drivers of
// the car company only; the brand payment report those 40 drivers and a sum in every channel.
QString brandFault(const QString &command, const QJsonObject &cells)
{
    const auto text = [&](const QString &column, int row) { return cells.value(column + QString::number(row)).toString(); };
    if (command == QLatin1String("brandReport")) {
        QStringList signs;
        for (int row = 13; !text("B", row).isEmpty(); ++row)
            signs.append(text("B", row));
        if (signs.isEmpty() || !std::all_of(signs.cbegin(), signs.cend(), ofCarCompany))
            return QStringLiteral("the brand car report lists drivers besides the car company's: ") + signs.join(' ');
        return QString();
    }
    const QStringList drivers = text("D", 8).split(QStringLiteral(", "));
    if (drivers.size() != CarCompanyDrivers || !std::all_of(drivers.cbegin(), drivers.cend(), ofCarCompany))
        return QStringLiteral("the brand payment report is of the drivers ") + text("D", 8);
    // EasyPay, LiqPay, City24 and the terminals.
    for (const QString column : {"B", "C", "D", "E"}) {
        bool paid = false;
        for (int row = 12; !text("A", row).isEmpty(); ++row)
            paid = paid || text(column, row).toDouble() > 0;
        if (!paid)
            return QStringLiteral("the brand payment report's column %1 (%2) holds no sum").arg(column, text(column, 11));
    }
    return QString();
}

class RunScriptDriver
{
public:
    QString run(const QString &step);

private:
    QString showsRows(const QString &url, int atLeast, bool signsDrawn);
    QString opensEveryNotification();
    QString opensMore(QObject *table, const QString &id);
    QString writesReports();
    QString writesReport(const QString &command, const QString &folder);
    QString keepsLanguage();

    PageProgram m_program;
    JourneySteps m_steps{m_program, 30000};
};

QString RunScriptDriver::run(const QString &step)
{
    m_program.setSignIn([](Gui::Dialog::Login *dialog, const QString &password) {
        const QString failure = JourneySteps::signIn(dialog, password);
        if (!failure.isEmpty())
            std::fprintf(stderr, "sign-in: %s\n", qPrintable(failure));
    });
    QString failure = m_program.signIn(Password);
    if (!failure.isEmpty())
        return failure;
    QMainWindow *window = JourneySteps::mainWindow();
    window->setGeometry(20, 20, 1400, 860);
    window->activateWindow();
    if (step == QLatin1String("demo")) {
        for (const auto &[url, rows] : {std::pair<QString, int>{"qrc:/qml/address/city/CityTable.qml", 8},
                                        {"qrc:/qml/company/company/CompanyTable.qml", 4},
                                        {"qrc:/qml/notification/NotificationTable.qml", 3}}) {
            failure = showsRows(url, rows, false);
            if (!failure.isEmpty())
                return failure;
        }
        failure = showsRows(QStringLiteral("qrc:/qml/driver/driver/DriverTable.qml"), 250, true);
        if (failure.isEmpty())
            failure = opensEveryNotification();
        if (failure.isEmpty())
            failure = writesReports();
        if (failure.isEmpty())
            Gui::Settings::setValue(QStringLiteral("i18n"), QStringLiteral("lang"), QStringLiteral("uk"));
    } else if (step == QLatin1String("bare")) {
        failure = keepsLanguage();
        if (failure.isEmpty())
            failure = showsRows(QStringLiteral("qrc:/qml/driver/driver/DriverTable.qml"), 0, false);
    } else {
        failure = QStringLiteral("unknown step %1").arg(step);
    }
    // What the program says while its window closes counts too.
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString problems = m_program.problems();
    if (failure.isEmpty() && !problems.isEmpty())
        failure = problems;
    return failure;
}

QString RunScriptDriver::showsRows(const QString &url, int atLeast, bool signsDrawn)
{
    const JourneyRow *row = rowOf(url);
    if (!row)
        return QStringLiteral("no menu entry opens ") + url;
    QPointer<QObject> page;
    QString failure = m_steps.open(*row, &page);
    if (failure.isEmpty())
        failure = m_steps.waitShown(page, *row);
    if (!failure.isEmpty())
        return failure;
    const int shown = JourneySteps::shownRows(page)->rowCount();
    if (atLeast == 0 ? shown != 0 : shown < atLeast)
        return QStringLiteral("%1 shows %2 rows, expected %3").arg(url).arg(shown).arg(atLeast ? atLeast : 0);
    // Named by the start too: the demo start's lists stay beside the bare one's.
    screenshot(QStringLiteral("runscript-%1-%2.png").arg(qEnvironmentVariable("KORIV_RUNSCRIPT_STEP"), row->command));
    if (signsDrawn) {
        QStringList signs;
        const bool drawn = QTest::qWaitFor([&] {
            signs = drawnTexts(page).filter(DemoSign);
            return signs.size() >= 10;
        }, timeLimit(10000));
        if (!drawn)
            return QStringLiteral("the driver table draws %1 demo signs: ").arg(signs.size()) + drawnTexts(page).mid(0, 60).join('|');
    }
    m_steps.closeAllFrames();
    return QString();
}

QString RunScriptDriver::opensEveryNotification()
{
    const JourneyRow *row = rowOf(QStringLiteral("qrc:/qml/notification/NotificationTable.qml"));
    QPointer<QObject> table;
    QString failure = m_steps.open(*row, &table);
    if (failure.isEmpty())
        failure = m_steps.waitShown(table, *row);
    if (!failure.isEmpty())
        return failure;
    QStringList ids;
    QAbstractItemModel *rows = JourneySteps::shownRows(table);
    for (int at = 0; at < rows->rowCount(); ++at)
        ids.append(PageControls::cell(rows, at, QStringLiteral("id")).toString());
    for (const QString &id : ids) {
        failure = opensMore(table, id);
        if (!failure.isEmpty())
            return QStringLiteral("notification %1: ").arg(id) + failure;
    }
    m_steps.closeAllFrames();
    return QString();
}

// The notification's editor opened from the table, its "More..." clicked: the driver's or the
// car's editor opens on a record and loads it, with nothing said.
QString RunScriptDriver::opensMore(QObject *table, const QString &id)
{
    QPointer<QObject> editor;
    QString failure = m_steps.openRecord(table, id, &editor);
    if (!failure.isEmpty())
        return failure;
    const QString context = editor->property("context").toString();
    QQuickItem *more = pageControl(editor, QStringLiteral("moreButton"));
    if (!more || !more->isVisible())
        return QStringLiteral("no More... for the context ") + context;
    Gui::Frames *frames = Gui::Global::currentFrames();
    const int before = frames->list().size();
    m_program.watchdog().reset();
    failure = WindowDriver::clickItem(more);
    if (!failure.isEmpty())
        return failure;
    if (!QTest::qWaitFor([&] { return frames->list().size() > before || !m_program.watchdog().boxes().isEmpty(); },
                         timeLimit(10000))) {
        return QStringLiteral("More... of %1 opened nothing").arg(context);
    }
    if (!m_program.watchdog().boxes().isEmpty())
        return QStringLiteral("More... of %1 said: ").arg(context) + m_program.watchdog().texts().join('\n');
    QPointer<QObject> opened = frames->list().last();
    const QString url = opened->property("url").toString();
    const QString record = opened->property("id").toString();
    if (!url.endsWith(QLatin1String("/DriverEditor.qml")) && !url.endsWith(QLatin1String("/CarEditor.qml")))
        return QStringLiteral("More... of %1 opened %2").arg(context, url);
    if (record.toLongLong() <= 1)
        return QStringLiteral("More... of %1 opened %2 on the record \"%3\"").arg(context, url, record);
    if (!QTest::qWaitFor([&] { return opened && JourneySteps::editorIdle(opened); }, timeLimit(30000)))
        return QStringLiteral("%1 did not load record %2").arg(url, record);
    if (!m_program.watchdog().boxes().isEmpty())
        return url + QStringLiteral(" said: ") + m_program.watchdog().texts().join('\n');
    std::printf("runscript driver: More... of %s opened %s %s\n", qPrintable(context),
                qPrintable(url.section(QLatin1Char('/'), -1)), qPrintable(record));
    m_program.closePage(opened);
    return m_steps.closeEditor(editor);
}

QString RunScriptDriver::writesReports()
{
    // The workbooks stay beside the screenshots, where there are any.
    QTemporaryDir temporary;
    const QString shots = qEnvironmentVariable("KORIV_SCREENSHOT_DIR");
    const QString folder = shots.isEmpty() ? temporary.path() : shots + QStringLiteral("/runscript-reports");
    QDir().mkpath(folder);
    const QStringList commands = reportCommands();
    if (commands.size() != 5)
        return QStringLiteral("the Report menu holds %1 reports").arg(commands.size());
    for (const QString &command : commands) {
        const QString failure = writesReport(command, folder);
        if (!failure.isEmpty())
            return command + QStringLiteral(": ") + failure;
    }
    return QString();
}

QString RunScriptDriver::writesReport(const QString &command, const QString &folder)
{
    Gui::Context::desktopUtils()->setExportDir(folder);
    QPointer<Gui::Report::AbstractReport> frame;
    QString failure = m_steps.openReport(command, &frame);
    if (!failure.isEmpty())
        return failure;
    auto *period = frame->findChild<Gui::StartEndDateTimeEdit *>();
    if (period) {
        const QDateTime now = QDateTime::currentDateTime();
        period->setStartDateTime(now.addDays(-30));
        period->setEndDateTime(now);
    }
    failure = m_steps.writeReport(frame);
    if (!failure.isEmpty())
        return failure;
    // Rows of the demo stand in the workbook: the demo's drivers in the reports with a row per
    // driver (which name none in their head), a balance entry's "group, type", or dated rows.
    QStringList values;
    for (const QString &file : frame->writtenFiles()) {
        std::printf("runscript driver: %s workbook %s\n", qPrintable(command), qPrintable(file));
        values += workbookValues(file);
        if (command == QLatin1String("brandReport") || command == QLatin1String("brandPaymentReport")) {
            failure = brandFault(command, sheetCells(file));
            if (!failure.isEmpty())
                return failure;
        }
    }
    QString row = QStringLiteral("^\\d{4}-\\d\\d-\\d\\d");
    if (command == QLatin1String("driverReport") || command == QLatin1String("brandReport"))
        row = DemoSign.pattern();
    else if (command == QLatin1String("driverBalanceReport"))
        row = QStringLiteral("^[^,]+, [^,]*(Debit|Credit|debit\\)|credit\\))$");
    const bool rows = !values.filter(QRegularExpression(row)).isEmpty();
    frame->close();
    if (rows)
        std::printf("runscript driver: %s wrote %lld values\n", qPrintable(command), static_cast<long long>(values.size()));
    return rows ? QString() : QStringLiteral("its workbook holds no demo rows: ") + values.join(QLatin1Char('|')).left(400);
}

QString RunScriptDriver::keepsLanguage()
{
    if (Gui::Settings::language() != QLatin1String("uk"))
        return QStringLiteral("the language is %1, not the uk set before").arg(Gui::Settings::language());
    QStringList menus;
    for (QAction *action : JourneySteps::mainWindow()->menuBar()->actions())
        menus.append(action->text());
    if (!menus.contains(QStringLiteral("&Файл")))
        return QStringLiteral("the menus do not speak Ukrainian: ") + menus.join(QLatin1Char(' '));
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    // Its lines and its failure in the order they happen, through a pipe too.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    Startup::prepare();
    QApplication application(argc, argv);
    RunScriptDriver driver;
    const QString failure = driver.run(qEnvironmentVariable("KORIV_RUNSCRIPT_STEP"));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "runscript driver: %s\n", qPrintable(failure));
        return 1;
    }
    std::printf("runscript driver: done\n");
    return 0;
}
