#pragma once
#include <QString>

namespace tidepost {

// Classic run-time file error numbers, which the user texts are keyed on.
enum FileErrorNumber {
    kErrFileNotFound = 53,
    kErrFileAlreadyExists = 58,
    kErrDiskFull = 61,
    kErrPermissionDenied = 70,
    kErrPathFileAccess = 75,
    kErrPathNotFound = 76,
};

struct FileError {
    int number = 0;  // 0: no error
    QString description;
    explicit operator bool() const { return number != 0; }
};

// Maps a system errno value to the classic number and its description.
FileError FileErrorFromErrno(int err);

}  // namespace tidepost
