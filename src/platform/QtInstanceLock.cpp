#include "platform/QtInstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace tidepost {

QtInstanceLock::QtInstanceLock(QString folder) : m_folder(std::move(folder)) {}

QtInstanceLock::~QtInstanceLock() = default;

InstanceClaim QtInstanceLock::Claim(const std::function<QString()>& fallbackFolder) {
    if (m_lock && m_lock->isLocked()) return {InstanceClaim::Claimed, {}, m_path};
    QString folder = m_folder;
    // Qt gives "" when neither $XDG_RUNTIME_DIR nor its own stand-in is usable; a relative name
    // would then put the lock in whatever folder the program was started from.
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() && fallbackFolder) folder = fallbackFolder();
    m_path = folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("Tidepost.lock"));
    if (folder.isEmpty() || QDir::isRelativePath(folder) || !QFileInfo(folder).isDir())
        return {InstanceClaim::Failed, {kErrPathNotFound, QStringLiteral("Path not found")}, m_path};

    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: a copy may run for months. A dead holder is recognised by its process id.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) return {InstanceClaim::Claimed, {}, m_path};
    switch (m_lock->error()) {
    case QLockFile::LockFailedError: return {InstanceClaim::HeldByAnother, {}, m_path};
    case QLockFile::PermissionError:
        return {InstanceClaim::Failed, {kErrPermissionDenied, QStringLiteral("Permission denied")}, m_path};
    default: return {InstanceClaim::Failed, {kErrPathFileAccess, QStringLiteral("Path/File access error")}, m_path};
    }
}

}  // namespace tidepost
