#include <QProcess>
#include <QStandardPaths>
#include <memory>

#include "platform/ProcessSoundPlayer.h"

namespace tidepost {

void ProcessSoundPlayer::Play(const QString& path, std::function<void()> finished) {
    QString program = QStandardPaths::findExecutable("paplay");
    QStringList args{path};
    if (program.isEmpty()) {
        program = QStandardPaths::findExecutable("aplay");
        args = QStringList{"-q", path};
    }
    if (program.isEmpty()) {
        if (finished) finished();
        return;
    }
    auto* process = new QProcess(this);
    // Both signals may arrive for one failure; the caller hears of the end only once.
    auto done = std::make_shared<bool>(false);
    auto end = [process, done, finished]() {
        if (*done) return;
        *done = true;
        process->deleteLater();
        if (finished) finished();
    };
    connect(process, &QProcess::finished, this, end);
    connect(process, &QProcess::errorOccurred, this, [end](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) end();
    });
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(program, args);
}

}  // namespace tidepost
