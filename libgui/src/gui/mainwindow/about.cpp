#include "about.h"

#include "gui/core/context.h"
#include "gui/core/message.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>

namespace Gui::Utils {

namespace {

// The years of the rights-holder line: a deployment value.
const char *const RightsYears = "2016-2024";

} // namespace

QString aboutText()
{
    const auto html = [](const QString &text) { return text.toHtmlEscaped(); };
    return QCoreApplication::translate("Gui::MainWindow", "<h3>%1 %2</h3>Based on Qt %3<br>Build on %4<br><br>"
                     "Copyright %5 %6. All rights reserved.")
        .arg(html(QGuiApplication::applicationDisplayName()), html(QCoreApplication::applicationVersion()),
             QStringLiteral(QT_VERSION_STR), html(Context::buildDateTime()), QString::fromLatin1(RightsYears),
             html(QCoreApplication::organizationName()));
}

void showAbout()
{
    // As QMessageBox::about shows it, with its rich text said: plain is the default of the shell.
    const QString name = QGuiApplication::applicationDisplayName();
    auto *box = new QMessageBox(QMessageBox::Information,
                                QCoreApplication::translate("Gui::MainWindow", "About %1").arg(name), aboutText());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::RichText);
    const QIcon icon = box->windowIcon();
    box->setIconPixmap(icon.pixmap(icon.actualSize(QSize(64, 64))));
    Message::exec(box);
}

} // namespace Gui::Utils
