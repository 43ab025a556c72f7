#include "client/net/apinetwork.h"
#include "common/net/abstractcontroller.h"
#include "gui/core/context.h"
#include "gui/shell/global.h"
#include "gui/shell/guisession.h"
#include "gui/style/style.h"
#include "gui/widget/booleanlabel.h"
#include "gui/widget/completer.h"
#include "gui/widget/countindicator.h"
#include "gui/widget/datetimeedit.h"
#include "gui/widget/doubleedit.h"
#include "gui/widget/fapushbutton.h"
#include "gui/widget/fatoolbutton.h"
#include "gui/widget/hostlabel.h"
#include "gui/widget/indicatortoolbutton.h"
#include "gui/widget/lineedit.h"
#include "gui/widget/listview.h"
#include "gui/widget/mainstatusbar.h"
#include "gui/widget/minusbutton.h"
#include "gui/widget/plusbutton.h"
#include "gui/widget/tablewidget.h"
#include "gui/widget/todaycalendar.h"
#include "gui/widget/window.h"
#include "modalwatchdog.h"
#include "oneday.h"
#include "testglobal.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QStatusBar>
#include <QStringListModel>
#include <QtTest>

namespace {

QColor foreground(const QLabel *label)
{
    return label->palette().color(label->foregroundRole());
}

// Whether the widget, as drawn, has a pixel close to colour.
bool drawsColour(QWidget *widget, const QColor &colour)
{
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 24 && qAbs(c.green() - colour.green()) < 24
                && qAbs(c.blue() - colour.blue()) < 24)
                return true;
        }
    }
    return false;
}

// A double click as the window system delivers it: press, release, then the double click.
void doubleClick(QWidget *widget, const QPoint &pos)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
}

} // namespace

// The small widgets the dialogs and the main window are built from.
class TestSmallWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void iconButtons_data();
    void iconButtons();
    void plusAndMinus();
    void countBadge();
    void labels();
    void statusBar();
    void listView();
    void completer();
    void lineEdits();
    void doubleEdit_data();
    void doubleEdit();
    void tableWidgetKeepsSelection();
    void calendars();
    void toolWindow();

private:
    ModalWatchdog m_watchdog;
};

void TestSmallWidgets::initTestCase()
{
    Gui::Style::loadFonts();
}

void TestSmallWidgets::cleanup()
{
    VERIFY_NO_MODAL(m_watchdog);
}

void TestSmallWidgets::iconButtons_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<ushort>("glyph");
    QTest::addColumn<QString>("font");
    QTest::addColumn<bool>("solid");
    QTest::newRow("regular") << 0 << ushort(0xf0a2) << "Font Awesome 6 Free" << false;
    // The list exists only in the solid face: the regular one would draw the missing-glyph box.
    QTest::newRow("regular, a solid glyph") << 0 << ushort(0xf03a) << "Font Awesome 6 Free" << true;
    QTest::newRow("solid") << 1 << ushort(0xf03a) << "Font Awesome 6 Free" << true;
    QTest::newRow("brands") << 2 << ushort(0xf09b) << "Font Awesome 6 Brands" << false;
    QTest::newRow("unknown") << 3 << ushort(0xf03a) << QString() << false;
}

void TestSmallWidgets::iconButtons()
{
    QFETCH(int, family);
    QFETCH(ushort, glyph);
    QFETCH(QString, font);
    QFETCH(bool, solid);
    const QString defaultFamily = QPushButton().font().family();
    if (font.isEmpty()) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unknown font awesome family"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unknown font awesome family"));
    }
    const QString text(QChar{glyph});
    Gui::FaPushButton narrow(text, family, true);
    Gui::FaPushButton wide(text, family, false);
    Gui::FaToolButton tool(text, family);
    QCOMPARE(narrow.font().family(), font.isEmpty() ? defaultFamily : font);
    QCOMPARE(tool.font().family(), narrow.font().family());
    QCOMPARE(narrow.text(), text);
    QCOMPARE(tool.text(), narrow.text());
    QCOMPARE(narrow.maximumWidth(), 30);
    QCOMPARE(wide.maximumWidth(), QWIDGETSIZE_MAX);
    QCOMPARE(tool.font().bold(), solid);
    // The face the buttons draw with has the glyph.
    if (!font.isEmpty()) {
        QVERIFY(QRawFont::fromFont(narrow.font()).supportsCharacter(glyph));
        QVERIFY(QRawFont::fromFont(tool.font()).supportsCharacter(glyph));
    }
}

void TestSmallWidgets::plusAndMinus()
{
    Gui::PlusButton plus;
    Gui::MinusButton minus;
    QCOMPARE(plus.text(), QString(QChar(0xf067)));
    QCOMPARE(minus.text(), QString(QChar(0xf068)));
    QCOMPARE(plus.font().family(), Gui::Style::faSolidFont().family());
    plus.resize(30, 30);
    minus.resize(30, 30);
    QVERIFY(drawsColour(&plus, QColor("#28fe13")));
    QVERIFY(drawsColour(&minus, Qt::red));
    QVERIFY(!drawsColour(&plus, Qt::red));
}

void TestSmallWidgets::countBadge()
{
    Gui::IndicatorToolButton button(QString(QChar(0xf0a2)), 0);
    QCOMPARE(button.font().pointSize(), 20);
    QVERIFY(dynamic_cast<Gui::Helper::CustomLabelFontSize *>(&button));
    button.show();
    Gui::CountIndicator *badge = button.indicator();
    QVERIFY(!badge->isVisible());
    button.setCount(3);
    QVERIFY(badge->isVisible());
    QCOMPARE(badge->count(), 3);
    button.setCount(-2);
    QVERIFY(badge->isVisible());
    button.setCount(0);
    QVERIFY(!badge->isVisible());

    button.resize(60, 40);
    QCOMPARE(badge->pos(), QPoint((60 - 20) / 2 + 12, (40 - 20) / 2 - 7));

    badge->setCount(7);
    const QImage image = badge->grab().toImage();
    QCOMPARE(image.size(), QSize(20, 20));
    QCOMPARE(image.pixelColor(10, 2), QColor("#ff2121"));
    QVERIFY(image.pixelColor(0, 0) != QColor("#ff2121"));
    QVERIFY(drawsColour(badge, Qt::white));
}

void TestSmallWidgets::labels()
{
    Gui::ColorLabel colour;
    colour.setColor(Qt::blue);
    QCOMPARE(colour.palette().color(QPalette::Disabled, colour.foregroundRole()), QColor(Qt::blue));
    QCOMPARE(foreground(&colour), QColor(Qt::blue));

    Gui::BooleanLabel flag;
    flag.setValue(true);
    QCOMPARE(foreground(&flag), QColor(Qt::green));
    flag.setValue(false);
    QCOMPARE(foreground(&flag), QColor(Qt::red));

    Gui::HostLabel host("10.1.2.3", 40300);
    QCOMPARE(host.text(), QString("10.1.2.3:40300"));
    QCOMPARE(foreground(&host), QColor(Qt::red));
}

void TestSmallWidgets::statusBar()
{
    Client::ApiNetwork net;
    Common::AbstractController::setNetwork(&net);
    net.setHost("10.1.2.3");
    net.setPort(40300);
    net.setSign("operator");
    QStatusBar bar;
    Gui::MainStatusBar status(&bar);
    status.build();
    bar.show();

    QStringList texts;
    for (const QLabel *label : bar.findChildren<QLabel *>())
        texts.append(label->text());
    QCOMPARE(texts, (QStringList{"User server:", "10.1.2.3:40300", "user: operator", "Row count:", "0"}));

    // The host label follows the connection.
    QCOMPARE(foreground(status.hostLabel()), QColor(Qt::green));
    emit net.connectionState(false);
    QCOMPARE(foreground(status.hostLabel()), QColor(Qt::red));
    emit net.connectionState(true);
    QCOMPARE(foreground(status.hostLabel()), QColor(Qt::green));

    // The row count shows only for tables, red once the list was cut at its limit.
    Gui::BooleanLabel *count = status.rowCountLabel();
    QVERIFY(!count->isVisible());
    status.setRowCountVisible(true);
    QVERIFY(count->isVisible());
    status.setRowCount(10000);
    QCOMPARE(count->text(), QString("10000"));
    QCOMPARE(foreground(count), QColor(Qt::green));
    status.setRowLimit(500);
    QCOMPARE(foreground(count), QColor(Qt::red));
    status.setRowCount(499);
    QCOMPARE(foreground(count), QColor(Qt::green));
    status.setRowCount(500);
    QCOMPARE(foreground(count), QColor(Qt::red));
    status.setRowCountVisible(false);
    QVERIFY(!count->isVisible());

    // The host and the user's sign are data: markup in them is drawn as the characters it is.
    net.setHost("<i>10.1.2.3</i>");
    net.setSign("<b>SEC</b><u>lock</u>");
    QStatusBar marked;
    Gui::MainStatusBar markedStatus(&marked);
    markedStatus.build();
    marked.show();
    QStringList literal{"<i>10.1.2.3</i>:40300", "user: <b>SEC</b><u>lock</u>"};
    for (QLabel *label : marked.findChildren<QLabel *>()) {
        if (!literal.contains(label->text()))
            continue;
        literal.removeOne(label->text());
        QVERIFY2(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(label->text()),
                 qPrintable(label->text() + " is drawn as rich text"));
    }
    QVERIFY2(literal.isEmpty(), qPrintable("not shown: " + literal.join(", ")));
    Common::AbstractController::setNetwork(nullptr);
}

void TestSmallWidgets::listView()
{
    QStringListModel model({"a", "b", "c"});
    Gui::ListView view;
    view.setModel(&model);
    view.show();
    QSignalSpy changed(&view, &Gui::ListView::currentRowChanged);
    QSignalSpy doubled(&view, &Gui::ListView::doubleSelected);
    QCOMPARE(view.rowCount(), 3);
    QCOMPARE(view.currentRow(), -1);
    view.setCurrentRow(0);
    view.selectPrevious();
    QCOMPARE(view.currentRow(), 0);
    view.selectNext();
    view.selectNext();
    view.selectNext();
    QCOMPARE(view.currentRow(), 2);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.last().first().toInt(), 2);
    QCOMPARE(view.selectionMode(), QAbstractItemView::SingleSelection);

    doubleClick(view.viewport(), view.visualRect(model.index(1, 0)).center());
    QCOMPARE(doubled.count(), 1);
    QCOMPARE(doubled.first().first().toInt(), 1);
}

void TestSmallWidgets::completer()
{
    QStringListModel model({"Kyiv", "Lviv"});
    Gui::Completer completer;
    completer.setModel(&model);
    QCOMPARE(completer.model(), &model);
    QCOMPARE(completer.windowType(), Qt::ToolTip);
    QCOMPARE(completer.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    completer.show();
    QSignalSpy own(&completer, &Gui::Completer::doubleSelected);
    QSignalSpy base(&completer, &Gui::ListView::doubleSelected);
    doubleClick(completer.viewport(), completer.visualRect(model.index(1, 0)).center());
    QCOMPARE(own.count(), 1);
    QCOMPARE(own.first().first().toInt(), 1);
    QCOMPARE(base.count(), 1);
}

void TestSmallWidgets::lineEdits()
{
    QWidget window;
    auto *other = new QLineEdit(&window);
    auto *edit = new Gui::LineEdit(&window);
    edit->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window, timeLimit(5000)));

    // The key is reported before the edit handles it.
    QStringList seen;
    connect(edit, &Gui::LineEdit::keyPressed, this, [&](int key) { seen.append(QString::number(key) + ":" + edit->text()); });
    edit->setFocus();
    QTest::keyClicks(edit, "ab");
    QCOMPARE(seen, (QStringList{QString::number(Qt::Key_A) + ":", QString::number(Qt::Key_B) + ":a"}));

    // Focus by mouse selects the whole text, after the click has placed the cursor.
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    edit->setText("Kharkiv");
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, edit->height() / 2));
    QTRY_COMPARE(edit->selectedText(), QString("Kharkiv"));
}

void TestSmallWidgets::doubleEdit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    QTest::newRow("point") << "1.5" << int(QValidator::Acceptable);
    QTest::newRow("whole") << "12" << int(QValidator::Acceptable);
    QTest::newRow("negative") << "-2.25" << int(QValidator::Acceptable);
    QTest::newRow("comma") << "1,5" << int(QValidator::Invalid);
    QTest::newRow("group separator") << "1,000" << int(QValidator::Invalid);
    QTest::newRow("letters") << "1a" << int(QValidator::Invalid);
    QTest::newRow("separator of intervals") << "5;6" << int(QValidator::Invalid);
}

void TestSmallWidgets::doubleEdit()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    Gui::DoubleEdit edit;
    int pos = 0;
    QCOMPARE(int(edit.validator()->validate(text, pos)), state);
}

void TestSmallWidgets::tableWidgetKeepsSelection()
{
    Gui::TableWidget table(3, 2, nullptr);
    table.resize(300, 300);
    for (int row = 0; row < 3; ++row)
        table.setItem(row, 0, new QTableWidgetItem(QString::number(row)));
    table.show();
    QVERIFY(table.verticalHeader()->isHidden());
    QCOMPARE(table.editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(table.alternatingRowColors());

    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualItemRect(table.item(1, 0)).center());
    QCOMPARE(table.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(table.currentRow(), 1);
    // Empty space below the last row keeps it.
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, QPoint(10, table.viewport()->height() - 5));
    QCOMPARE(table.currentRow(), 1);
    QCOMPARE(table.selectionModel()->selectedRows().size(), 1);
}

void TestSmallWidgets::calendars()
{
    Gui::TodayCalendar calendar;
    QVERIFY(calendar.isGridVisible());
    QCOMPARE(calendar.verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    QCOMPARE(calendar.minimumSizeHint().height(),
             calendar.QCalendarWidget::minimumSizeHint().height() + calendar.todayButton()->sizeHint().height());
    calendar.setSelectedDate(QDate(2020, 2, 29));
    const QDate today = onOneDay(&QDate::currentDate, [&] { calendar.todayButton()->click(); });
    QCOMPARE(calendar.selectedDate(), today);

    Gui::DateTimeEdit edit;
    QVERIFY(edit.calendarPopup());
    QVERIFY(qobject_cast<Gui::TodayCalendar *>(edit.calendarWidget()));
}

void TestSmallWidgets::toolWindow()
{
    Gui::Context context;
    TestGlobal global;
    Gui::Context::setGlobal(&global);

    QPointer<Gui::Window> window = new Gui::Window;
    QSignalSpy enter(window.data(), &Gui::Window::enterPressed);
    window->setGeometry(30, 40, 320, 240);
    window->show();
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_Enter);
    QCOMPARE(enter.count(), 2);
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(window.isNull());
    const QVariantMap stored = global.guiSession()->frameSettings("gui::Window").value("window").toMap();
    QCOMPARE(stored.value("width").toInt(), 320);
    QCOMPARE(stored.value("height").toInt(), 240);

    // The next one opens where the last one was left.
    window = new Gui::Window;
    window->show();
    QCOMPARE(window->size(), QSize(320, 240));
    QCOMPARE(window->pos(), QPoint(stored.value("x").toInt(), stored.value("y").toInt()));
    window->close();
    Gui::Context::setGlobal(nullptr);
}

QTEST_MAIN(TestSmallWidgets)
#include "tst_smallwidgets.moc"
