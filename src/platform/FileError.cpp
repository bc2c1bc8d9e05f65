#include "platform/FileError.h"

#include <cerrno>

namespace tidepost {

FileError FileErrorFromErrno(int err) {
    switch (err) {
    case 0: return {};
    case ENOENT: return {kErrFileNotFound, "File not found"};
    case ENOTDIR: return {kErrPathNotFound, "Path not found"};
    case ENOSPC:
    case EDQUOT: return {kErrDiskFull, "Disk full"};
    case EACCES:
    case EPERM:
    case EROFS: return {kErrPermissionDenied, "Permission denied"};
    default: return {kErrPathFileAccess, "Path/File access error"};
    }
}

}  // namespace tidepost
