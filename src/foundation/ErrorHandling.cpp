#include "foundation/Definitions.h"
#include "foundation/ErrorHandling.h"

#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "platform/FileError.h"

namespace tidepost {

namespace {
}

QString GetFileErrorText(const Foundation& f, int errorNumber, const QString& fileName) {
    switch (errorNumber) {
    case kErrDiskFull:
        return MlText(f, 2807, "Could not save the file '") + fileName + "'." + kCrLf +
               MlText(f, 2808, "Message not saved due to very low disk space. Information was lost. ") + kCrLf +
               MlText(f, 2809, "Please provide more space on the disk drive immediately by removing unused files.");
    case kErrPermissionDenied:
    case kErrPathFileAccess:
    case kErrPathNotFound:
        return MlText(f, 2810, "Could not open the file '") + fileName + "'." + kCrLf +
               MlText(f, 2811,
                      "Please make sure you have write access to this directory and file, and that the file is "
                      "not opened by another process.");
    default: return {};
    }
}

bool ShowReplyError(Foundation& f, const QString& reply, const QString& title, const QString& text) {
    // Every line end the transceiver uses (LF, CR LF, CR CR LF) ends in LF; a refusal must not
    // pass unseen because the unit ends its lines differently.
    const qsizetype at = reply.indexOf(QStringLiteral("\nERROR"));
    if (at < 0) return false;
    const qsizetype from = at + 1;
    qsizetype end = from;
    while (end < reply.size() && reply[end] != '\r' && reply[end] != '\n') ++end;
    // A reply cut off after the ERROR line still shows the whole line.
    const QString errorLine = reply.mid(from, end - from);
    QueueMessageBox(f, errorLine + kCrLf + kCrLf + text, title + " Error");
    return true;
}

QString FormatErrorText(const Foundation& f, int stringId, const QString& english, int number,
                        const QString& description) {
    return FormatMlString(MlText(f, stringId, english), {number, description});
}

QString ComposeErrorText(const QString& procedure, int number, const QString& description) {
    return "(" + procedure + ") Error '" + QString::number(number) + "': " + description + ".";
}

QString WithFileErrorText(const Foundation& f, const QString& errorText, int number, const QString& fileName) {
    return errorText + kCrLf + GetFileErrorText(f, number, fileName);
}

QString ErrorTitle(int number) { return "Error " + QString::number(number); }

QString MlErrorTitle(const Foundation& f, int number) { return MlText(f, 2546, "Error") + QString::number(number); }

}  // namespace tidepost
