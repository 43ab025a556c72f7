#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPalette>
#include <QUrl>

class QQmlEngine;

namespace Gui {

// The dark look of the shell: the three icon fonts carried in the resources, the palette that
// start-up installs with the Fusion style, and the colours and images that QML pages read as
// GLOBAL.style.
class Style : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QColor bgColor READ bgColor CONSTANT)
    Q_PROPERTY(QColor textColor READ textColor CONSTANT)
    Q_PROPERTY(QColor borderColor READ borderColor CONSTANT)
    Q_PROPERTY(QColor lightGrayColor READ lightGrayColor CONSTANT)
    Q_PROPERTY(QColor brightGreenColor READ brightGreenColor CONSTANT)
    Q_PROPERTY(QUrl arrowUp READ arrowUp CONSTANT)
    Q_PROPERTY(QUrl arrowDown READ arrowDown CONSTANT)
    Q_PROPERTY(QUrl arrowLeft READ arrowLeft CONSTANT)
    Q_PROPERTY(QUrl arrowRight READ arrowRight CONSTANT)
    Q_PROPERTY(QColor textFieldFilterContainsDataBgColor READ textFieldFilterContainsDataBgColor CONSTANT)
    Q_PROPERTY(QColor textFieldFilterAbsentsDataBgColor READ textFieldFilterAbsentsDataBgColor CONSTANT)
    Q_PROPERTY(QColor toolButtonTextColorDisabled READ toolButtonTextColorDisabled CONSTANT)
    Q_PROPERTY(QUrl scrollBarHandleHorizontal READ scrollBarHandleHorizontal CONSTANT)
    Q_PROPERTY(QUrl scrollBarHandleVertical READ scrollBarHandleVertical CONSTANT)
    Q_PROPERTY(QColor scrollBarControlGradient0 READ scrollBarControlGradient0 CONSTANT)
    Q_PROPERTY(QColor scrollBarControlGradient1 READ scrollBarControlGradient1 CONSTANT)
    Q_PROPERTY(QColor scrollBarControlPressedColor READ scrollBarControlPressedColor CONSTANT)
    Q_PROPERTY(QColor scrollBarControlBorderColor1 READ scrollBarControlBorderColor1 CONSTANT)
    Q_PROPERTY(QColor scrollBarControlBorderColor2 READ scrollBarControlBorderColor2 CONSTANT)
    Q_PROPERTY(QColor subjectBoxLabelBgColor READ subjectBoxLabelBgColor CONSTANT)
    Q_PROPERTY(QColor subjectBoxDefBgColor READ subjectBoxDefBgColor CONSTANT)
    Q_PROPERTY(QColor subjectBoxRedBgColor READ subjectBoxRedBgColor CONSTANT)
    Q_PROPERTY(QColor subjectBoxGreenBgColor READ subjectBoxGreenBgColor CONSTANT)
    Q_PROPERTY(QColor tableSelectedRowColor READ tableSelectedRowColor CONSTANT)
    Q_PROPERTY(QColor dismatchApproveColor READ dismatchApproveColor CONSTANT)

public:
    explicit Style(QObject *parent = nullptr);
    ~Style() override;

    // Registers the regular, solid and brands icon fonts; a font that cannot be added is logged
    // and keeps its previous value.
    static void loadFonts();
    // Registers one font file and gives font its first family; false (logged) on failure.
    static bool loadFont(const QString &path, QFont &font);

    static QFont faRegularFont();
    static QFont faSolidFont();
    static QFont faBrandsFont();

    static QPalette darkPalette();
    // Makes the engine load the "+<style>" variants of QML files for the Qt Quick Controls 2 style
    // in use, from the very first file it resolves.
    static void selectStyleFiles(QQmlEngine *engine);

    QColor bgColor() const;
    QColor textColor() const;
    QColor borderColor() const;
    QColor lightGrayColor() const;
    QColor brightGreenColor() const;
    QUrl arrowUp() const;
    QUrl arrowDown() const;
    QUrl arrowLeft() const;
    QUrl arrowRight() const;
    QColor textFieldFilterContainsDataBgColor() const;
    QColor textFieldFilterAbsentsDataBgColor() const;
    QColor toolButtonTextColorDisabled() const;
    QUrl scrollBarHandleHorizontal() const;
    QUrl scrollBarHandleVertical() const;
    QColor scrollBarControlGradient0() const;
    QColor scrollBarControlGradient1() const;
    QColor scrollBarControlPressedColor() const;
    QColor scrollBarControlBorderColor1() const;
    QColor scrollBarControlBorderColor2() const;
    QColor subjectBoxLabelBgColor() const;
    QColor subjectBoxDefBgColor() const;
    QColor subjectBoxRedBgColor() const;
    QColor subjectBoxGreenBgColor() const;
    QColor tableSelectedRowColor() const;
    QColor dismatchApproveColor() const;
};

} // namespace Gui
