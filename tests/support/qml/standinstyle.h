#pragma once

#include <QColor>
#include <QObject>
#include <QUrl>

// Stands in for the shell's style object: the dark theme's constant colours, and plain images of
// its own (drawn once per run into a temporary folder) where the shell has its arrows and
// scroll-bar handles.
class StandinStyle : public QObject
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
    explicit StandinStyle(QObject *parent = nullptr) : QObject(parent) {}

    QColor bgColor() const { return QColor(0x00, 0x02, 0x22); }
    QColor textColor() const { return QColor(0xe0, 0xff, 0x9a); }
    QColor borderColor() const { return QColor("gray"); }
    QColor lightGrayColor() const { return QColor("lightgray"); }
    QColor brightGreenColor() const { return QColor(0x28, 0xfe, 0x13); }
    QUrl arrowUp() const { return image(QStringLiteral("arrow-up-white")); }
    QUrl arrowDown() const { return image(QStringLiteral("arrow-down-white")); }
    QUrl arrowLeft() const { return image(QStringLiteral("arrow-left-white")); }
    QUrl arrowRight() const { return image(QStringLiteral("arrow-right-white")); }
    QColor textFieldFilterContainsDataBgColor() const { return QColor(0xc2, 0xff, 0xda); }
    QColor textFieldFilterAbsentsDataBgColor() const { return QColor(0xff, 0xd5, 0xd5); }
    QColor toolButtonTextColorDisabled() const { return QColor("gray"); }
    QUrl scrollBarHandleHorizontal() const { return image(QStringLiteral("scrollbar-handle-horizontal-dark")); }
    QUrl scrollBarHandleVertical() const { return image(QStringLiteral("scrollbar-handle-vertical-dark")); }
    QColor scrollBarControlGradient0() const { return QColor("black"); }
    QColor scrollBarControlGradient1() const { return QColor("gray"); }
    QColor scrollBarControlPressedColor() const { return QColor("black"); }
    QColor scrollBarControlBorderColor1() const { return QColor(0x00, 0x0a, 0xaa); }
    QColor scrollBarControlBorderColor2() const { return QColor(0xff, 0xff, 0xff); }
    QColor subjectBoxLabelBgColor() const { return QColor(0x6a, 0x6a, 0x6a); }
    QColor subjectBoxDefBgColor() const { return QColor(0x44, 0x44, 0x44); }
    QColor subjectBoxRedBgColor() const { return QColor(0x7f, 0x00, 0x00); }
    QColor subjectBoxGreenBgColor() const { return QColor(0x00, 0x4f, 0x00); }
    QColor tableSelectedRowColor() const { return QColor(0x50, 0x66, 0xda); }
    QColor dismatchApproveColor() const { return QColor(0x4c, 0xa9, 0xff); }

private:
    // The file URL of a drawn image by its name.
    static QUrl image(const QString &name);
};
