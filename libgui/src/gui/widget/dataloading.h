#pragma once

#include <QFrame>

class QLabel;
class QProgressBar;

namespace Gui {

// The modal window shown while the shared lists load after sign-in: "Waiting data from
// server..." until the first list ends, then "Data loading" with the percentage.
class DataLoading : public QFrame
{
    Q_OBJECT

public:
    DataLoading();
    ~DataLoading() override;

    QProgressBar *progressBar() const { return m_progressBar; }
    bool isWaiting() const;

    Q_INVOKABLE void setValue(int value);
    // Closes the window, which deletes it.
    Q_INVOKABLE void destroy();

private:
    QLabel *m_waitingLabel;
    QLabel *m_loadingLabel;
    QProgressBar *m_progressBar;
};

} // namespace Gui
