#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

#include "platform/ProcessSoundPlayer.h"

namespace tidepost {

void ProcessSoundPlayer::Play(const QString& path, Finished finished) {
    QString program = QStandardPaths::findExecutable("paplay");
    QStringList args{path};
    if (program.isEmpty()) {
        program = QStandardPaths::findExecutable("aplay");
        args = QStringList{"-q", path};
    }
    if (program.isEmpty()) {
        if (finished) finished(false);
        return;
    }
    auto* process = new QProcess(this);
    auto* limit = new QTimer(process);
    limit->setSingleShot(true);
    // Several signals may arrive for one sound; the caller hears of the end only once.
    auto done = std::make_shared<bool>(false);
    auto end = [process, limit, done, finished](bool played) {
        if (*done) return;
        *done = true;
        limit->stop();
        process->disconnect();
        if (process->state() != QProcess::NotRunning) {
            // Ended here, reaped when it has gone; nothing more is told of it.
            QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
            process->kill();
        } else {
            process->deleteLater();
        }
        if (finished) finished(played);
    };
    connect(process, &QProcess::finished, this, [process, end](int exitCode, QProcess::ExitStatus status) {
        Q_UNUSED(process);
        end(status == QProcess::NormalExit && exitCode == 0);
    });
    connect(process, &QProcess::errorOccurred, this, [end](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) end(false);
    });
    connect(limit, &QTimer::timeout, this, [end] { end(false); });
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    limit->start(PlayerTimeLimitMs);
    process->start(program, args);
}

void ProcessSoundPlayer::Beep() { QApplication::beep(); }

}  // namespace tidepost
