#include "platform/QtInstanceLock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace tidepost {

QtInstanceLock::QtInstanceLock(QString folder) {
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    m_path = QDir(folder).filePath(QStringLiteral("Tidepost.lock"));
}

QtInstanceLock::~QtInstanceLock() = default;

bool QtInstanceLock::Claim() {
    if (m_lock && m_lock->isLocked()) return true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: a copy may run for months. A dead holder is recognised by its process id.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) return true;
    return m_lock->error() != QLockFile::LockFailedError;
}

}  // namespace tidepost
