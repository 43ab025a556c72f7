// The anchor of bench_startup's start to the sign-in dialog: a program of the same kind made of
// Qt alone, an executable of its own started as the program is. It does what Qt must do to show
// that dialog as the program does: the application object with high-DPI scaling, the Fusion
// widget style, Qt Quick Controls 2 in the Material style and a QML engine (the program loads no
// page before the dialog, so neither does this), and a plain QDialog with the sign-in dialog's
// fields. At the dialog's first paint it reports the moment (FirstPaint) and ends.
#include "firstpaint.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QStyleFactory>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication application(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Material"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QQmlApplicationEngine engine;
    QDialog dialog;
    auto *form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("User:"), new QLineEdit);
    form->addRow(QStringLiteral("Password:"), new QLineEdit);
    form->addRow(QStringLiteral("Server:"), new QComboBox);
    form->addRow(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    FirstPaint paint(true, [] { QCoreApplication::exit(0); });
    dialog.installEventFilter(&paint);
    dialog.open();
    return QApplication::exec();
}
