#pragma once

#include "gui/frame/frame.h"

#include <QString>
#include <QVariantMap>

#include <chrono>

class QDialogButtonBox;
class QLabel;
class QLayout;
class QPushButton;
class QTimer;
class QVBoxLayout;

namespace Client::Controller {
class Report;
}

namespace Gui::Report {

// The frame from which the operator requests one report: derived frames put their filters above
// "Create"; the request goes through a report controller of the frame's own, and the answer is
// written by the report engine into the reports folder. While a request is outstanding the frame
// is disabled; it comes back with a message when the connection drops or no answer comes in time.
class AbstractReport : public Frame
{
    Q_OBJECT

public:
    // How long a report may take on the server before the frame gives up waiting: 10 minutes,
    // above what a server lets a report run.
    static constexpr std::chrono::milliseconds defaultAnswerTimeout{10 * 60 * 1000};

    AbstractReport();
    ~AbstractReport() override;

    // Checks the read right of the report; without it the frame says so and closes.
    void afterShow() override;

    virtual int reportType() const = 0;
    // The prefix of the option that grants the report ("<accessName>.crud.read").
    virtual QString accessName() const = 0;
    // The folder below the reports folder that receives the workbooks.
    virtual QString outputName() const = 0;
    virtual QString templatePath() const = 0;
    virtual QVariantMap options() const = 0;
    // Checks the filters before sending; a derived frame tells the operator what is missing.
    virtual bool isValid();

    void insertFilterLayout(QLayout *layout);
    void insertFilterWidget(QWidget *widget);

    // The options as compact JSON text: "utc" as decimal text (the machine's offset when absent),
    // the period's instants moved to that offset and written as decimal text, owner ids as texts.
    // Numbers given as text are read as numbers.
    static QString buildOptions(const QVariantMap &options);
    // The same wall-clock date and time (milliseconds kept) as msecs has on this machine, at
    // offsetMinutes from UTC.
    static qint64 toUserOffset(qint64 msecs, qint64 offsetMinutes);

    QPushButton *createButton() const { return m_createButton; }
    QDialogButtonBox *buttonBox() const { return m_buttonBox; }
    Client::Controller::Report *reportController() const { return m_controller; }
    bool isWaiting() const { return m_waiting; }
    void setAnswerTimeout(std::chrono::milliseconds timeout);
    std::chrono::milliseconds answerTimeout() const;
    // The files the last answer was written to.
    QStringList writtenFiles() const { return m_written; }
    // Where they are, in text that can be selected and copied; hidden until a report is written.
    QLabel *writtenLabel() const { return m_writtenLabel; }

    static QString noAccessText();
    static QString successText();

protected:
    // The signed-in user's offset from UTC in minutes.
    static int userUtcOffset();
    bool hasAccess() const;

    // Disables the frame until finishWaiting(), as a report request does; the frame comes back
    // with a message after answerTimeout() or when the connection drops, and waitingAbandoned()
    // runs then.
    void startWaiting();
    // Ends the waiting; false when nothing was awaited (an answer too late): drop the answer.
    bool finishWaiting();
    // After a time-out or a lost connection: a frame that sent a request of its own through a
    // controller of its own replaces that controller here, so that a late answer finds no one.
    virtual void waitingAbandoned();

private slots:
    void onAccepted();
    void onSaCreate(QVariantMap params);

private:
    void newController();
    void onConnectionState(bool connected);
    void onAnswerTimeout();
    // Stops waiting for the outstanding request: its answer, should it come, is not taken.
    void abandonRequest(const QString &message);
    void writeAnswer(const QVariantMap &params);
    // The file written, or the folder of the files written: where to find the report.
    QString whereWritten() const;

    Client::Controller::Report *m_controller = nullptr;
    QDialogButtonBox *m_buttonBox;
    QPushButton *m_createButton;
    QLabel *m_writtenLabel;
    QVBoxLayout *m_layout;
    QTimer *m_answerTimer;
    bool m_waiting = false;
    // Frames are made signed in; the network says when that changes.
    bool m_connected = true;
    QStringList m_written;
};

} // namespace Gui::Report
