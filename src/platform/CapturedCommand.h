#pragma once
#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "platform/ISlpDiscovery.h"

namespace tidepost {

// A program run without a shell, its standard output and error captured together. It runs while
// the event loop goes on; the answer is complete when the program has ended or the time limit has
// passed, in which case it is what the program had written by then and the program is stopped.
// Dropping the answer stops a program still running without waiting for it to go: the event loop
// collects it afterwards.
class CapturedCommand : public IPendingAnswer {
public:
    static constexpr int DefaultTimeoutMs = 10'000;
    // At most one pipe's worth of output is kept.
    static constexpr qsizetype MaxOutputBytes = 64 * 1024;
    // The answer of a program that could not be started.
    static inline const QString LaunchFailedText = QStringLiteral(" - Could not launch a required program");

    CapturedCommand(const QString& program, const QStringList& arguments, int timeoutMs = DefaultTimeoutMs);
    ~CapturedCommand() override;
    bool IsFinished() const override { return m_finished; }
    QString Output() const override;
    QString ErrorLogLine() const override { return m_errorLine; }

private:
    void Collect();
    void Finish();
    // Owned; handed to the event loop when the program outlives the answer.
    QProcess* m_process;
    QTimer m_timeout;
    QByteArray m_output;
    bool m_finished = false;
    bool m_launchFailed = false;
    QString m_errorLine;
};

// Starts the program with its arguments and returns at once.
std::unique_ptr<IPendingAnswer> RunCommandCaptured(const QString& program, const QStringList& arguments,
                                                   int timeoutMs = CapturedCommand::DefaultTimeoutMs);

}  // namespace tidepost
