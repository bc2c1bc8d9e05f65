#include "platform/CapturedCommand.h"

#include <QCoreApplication>

namespace tidepost {

CapturedCommand::CapturedCommand(const QString& program, const QStringList& arguments, int timeoutMs)
    : m_process(new QProcess) {
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(m_process, &QProcess::readyRead, m_process, [this] { Collect(); });
    QObject::connect(m_process, &QProcess::finished, m_process, [this] { Finish(); });
    QObject::connect(m_process, &QProcess::errorOccurred, m_process, [this](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart || m_finished) return;
        m_launchFailed = true;
        m_errorLine = "CreateProcessA failed: " + QString::number(static_cast<int>(e));
        Finish();
    });
    m_timeout.setSingleShot(true);
    QObject::connect(&m_timeout, &QTimer::timeout, &m_timeout, [this] { Finish(); });
    m_timeout.start(timeoutMs);
    m_process->start(program, arguments);
}

CapturedCommand::~CapturedCommand() {
    // The handlers above refer to this answer, which is going.
    QObject::disconnect(m_process, nullptr, m_process, nullptr);
    if (m_process->state() == QProcess::NotRunning) {
        delete m_process;
        return;
    }
    // QProcess's own destructor would wait for the program to end; instead the program is killed
    // and its QProcess deletes itself once the event loop has seen it go.
    QProcess* orphan = m_process;
    // Should the event loop never run again, the application still deletes it on its way out.
    QCoreApplication* app = QCoreApplication::instance();
    if (app && app->thread() == orphan->thread()) orphan->setParent(app);
    QObject::connect(orphan, &QProcess::finished, orphan, &QObject::deleteLater);
    QObject::connect(orphan, &QProcess::errorOccurred, orphan, [orphan] {
        if (orphan->state() == QProcess::NotRunning) orphan->deleteLater();
    });
    orphan->kill();
}

QString CapturedCommand::Output() const {
    if (!m_finished) return {};
    if (m_launchFailed) return LaunchFailedText;
    return QString::fromLocal8Bit(m_output);
}

void CapturedCommand::Collect() {
    const QByteArray more = m_process->readAll();
    if (m_finished) return;
    m_output += more.left(MaxOutputBytes - m_output.size());
}

void CapturedCommand::Finish() {
    if (m_finished) return;
    Collect();
    m_finished = true;
    m_timeout.stop();
    // A program still running at the time limit has had its chance; nothing waits for it.
    if (m_process->state() != QProcess::NotRunning) m_process->kill();
}

std::unique_ptr<IPendingAnswer> RunCommandCaptured(const QString& program, const QStringList& arguments,
                                                   int timeoutMs) {
    return std::make_unique<CapturedCommand>(program, arguments, timeoutMs);
}

}  // namespace tidepost
