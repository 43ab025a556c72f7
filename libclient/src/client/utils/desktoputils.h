#pragma once

#include "common/core/utils/utils.h"

#include <QDir>
#include <QObject>
#include <QUrl>

#include <functional>

namespace Client {

class DayWatch;

// The utilities that pages reach as DESKTOP_UTILS: everything of Utils, plus what only a desktop
// client needs: table export to a workbook, keyboard and mouse state, clipboard, files and
// folders, base64, QML object look-ups, the override cursor and the server-synchronised clock.
class DesktopUtils : public Utils
{
    Q_OBJECT
    Q_PROPERTY(Qt::MouseButtons mouseButtons READ mouseButtons)
    Q_PROPERTY(Qt::KeyboardModifiers modifiers READ keyboardModifiers)
    Q_PROPERTY(bool isControlPressed READ isControlPressed)
    Q_PROPERTY(bool isAltPressed READ isAltPressed)
    Q_PROPERTY(bool isShiftPressed READ isShiftPressed)
    Q_PROPERTY(QString qtVersion READ qtVersion CONSTANT)
    Q_PROPERTY(QString exportDir READ exportDir)
    Q_PROPERTY(Qt::CursorShape cursorShape READ cursorShape WRITE setCursorShape NOTIFY cursorShapeChanged)
    Q_PROPERTY(QDate today READ today NOTIFY todayChanged)

public:
    explicit DesktopUtils(QObject *parent = nullptr);
    ~DesktopUtils() override;

    // The server's present time at the signed-in user's offset from UTC.
    QDateTime currentDateTime() override;
    // The operator's date on that clock. A binding that draws a time relative to today reads it,
    // and so draws it anew when the day ends; one timer serves them all, from the first read on.
    QDate today();

    // The root of table exports; made when missing.
    void setExportDir(const QString &path);
    QString exportDir() const;
    QString qtVersion() const;
    Qt::CursorShape cursorShape() const { return m_cursorShape; }
    // Pages show one override cursor at most: a new shape replaces the one shown, the arrow
    // takes it away.
    void setCursorShape(Qt::CursorShape shape);

    // Writes the rows of table["controller"]'s view, in view order, with the columns of
    // table["table"] (maps of "title" and "role") into a new workbook below the export folder and
    // opens it. Tells what happened for the page to show: "written" (bool), "path" (the file),
    // "opened" (bool: the desktop took the file), "cut" (the cells whose text was cut to what a
    // cell holds) and "error" (why it was not written, also logged as a warning).
    Q_INVOKABLE QVariantMap writeToExcel(const QVariantMap &table);
    // What opens an exported file; the desktop's default application unless a test sets another.
    using UrlOpener = std::function<bool(const QUrl &)>;
    void setUrlOpener(UrlOpener opener);
    Q_INVOKABLE QString urlToPath(const QUrl &url) const;
    Q_INVOKABLE QString pathToDir(const QString &filePath) const;
    // Whether a "qrc:" URL names a file carried in the resources.
    Q_INVOKABLE bool resourceExists(const QUrl &url) const;
    Q_INVOKABLE QString idToString(QObject *object) const;
    Q_INVOKABLE QObject *findChildByName(QObject *rootObject, const QString &name) const;
    Q_INVOKABLE QList<QObject *> findChildrenByName(QObject *rootObject, const QString &name) const;
    Q_INVOKABLE Qt::KeyboardModifiers keyboardModifiers() const;
    Q_INVOKABLE Qt::MouseButtons mouseButtons() const;
    Q_INVOKABLE bool isControlPressed() const;
    Q_INVOKABLE bool isAltPressed() const;
    Q_INVOKABLE bool isShiftPressed() const;
    // Keeps the text that comes into a text area (a QQuickItem) within length characters in all
    // and lineLength in a line, by every way in: a TextBound that lives as long as the area; null
    // for anything else.
    Q_INVOKABLE QObject *boundText(QObject *area, int length, int lineLength);
    // Brings the focused field inside a scrolled form (a QML Flickable) into its view before a
    // key edits it: a FocusInView that lives as long as the flickable; null for anything else.
    Q_INVOKABLE QObject *keepFocusInView(QObject *flickable);
    // TextBound::fittingEnd.
    Q_INVOKABLE int fittingEnd(const QString &value, int length, int lineLength) const;
    Q_INVOKABLE QString getClipboardText() const;
    Q_INVOKABLE void setClipboardText(const QString &text);
    Q_INVOKABLE int compareVersions(const QString &v1, const QString &v2) const;
    Q_INVOKABLE void setMetrics(bool enabled);
    Q_INVOKABLE QString getLogPath() const;
    // Removes a folder and everything in it, but only an existing absolute folder inside the
    // export folder, the log folder or this program's data, cache or temporary folders.
    Q_INVOKABLE bool removeDir(const QString &dirPath);
    // The bytes of every file below the folder, hidden ones included; links are not followed.
    Q_INVOKABLE qlonglong getDirSize(const QString &dirPath) const;
    Q_INVOKABLE QString loadImageToBase64(const QString &path) const;
    Q_INVOKABLE QByteArray fromBase64(const QString &base64) const;
    Q_INVOKABLE QString toBase64(const QByteArray &bin) const;
    // False (and a logged warning) when the file could not be written whole.
    Q_INVOKABLE bool saveBinaryFile(const QString &path, const QByteArray &data);

signals:
    void cursorShapeChanged(Qt::CursorShape cursorShape);
    void todayChanged();

private:
    // A file name below folder that no file holds yet.
    static QString freeFileName(const QDir &folder, const QString &baseName);

    DayWatch *m_today = nullptr;
    QDir m_exportDir;
    UrlOpener m_openUrl;
    Qt::CursorShape m_cursorShape = Qt::ArrowCursor;
    bool m_cursorPushed = false;
};

} // namespace Client
