// SIGTERM, SIGHUP and SIGINT as a Qt signal on the user-interface thread,
// so that a termination closes the window, which saves.
#pragma once

#include <QObject>

// One at a time: the handler is the process's.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    void takePending();

    int m_wakeUp[2] = {-1, -1};
};
