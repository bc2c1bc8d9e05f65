#include "link/UploadChecks.h"

#include "link/CommandQueue.h"
#include "link/Link.h"

namespace tidepost {

namespace {

// Whether a queued command line is one of the upload, the size check or the submission of
// `fileName`: "tr" name " -b" n, "ls" name, "tx" name and its options.
bool NamesUpload(const QString& line, const QString& fileName) {
    for (const char* command : {"tr ", "ls ", "tx "}) {
        const QString head = QLatin1String(command) + fileName;
        if (line == head || line.startsWith(head + u' ')) return true;
    }
    return false;
}

qsizetype IndexOf(const Link& link, const QString& fileName) {
    const QList<SentFileCheck>& checks = link.Requests.SentFileChecks;
    for (qsizetype i = 0; i < checks.size(); ++i)
        if (checks.at(i).SentFileName == fileName) return i;
    return -1;
}

}  // namespace

void BeginSentFileCheck(Link& link, const QString& fileName, qint32 fileSize) {
    EndSentFileCheck(link, fileName);
    link.Requests.SentFileChecks.append(SentFileCheck{fileName, fileSize, false, UploadTo866(link)});
}

bool UploadTo866(const Link& link) {
    constexpr int kRussian = 1049;
    constexpr quint8 kCyrillicCodePage = 1;
    return link.F.Strings.CurrentLanguageId == kRussian && link.Transfer.SendCodePage == kCyrillicCodePage;
}

const SentFileCheck* FindSentFileCheck(const Link& link, const QString& fileName) {
    const qsizetype at = IndexOf(link, fileName);
    return at < 0 ? nullptr : &link.Requests.SentFileChecks.at(at);
}

bool SentFileCheckPending(const Link& link) { return !link.Requests.SentFileChecks.isEmpty(); }

SentFileCheck* PendingSizeCheck(Link& link, const QString& fileName) {
    for (SentFileCheck& check : link.Requests.SentFileChecks)
        if (!check.SizeChecked && check.SentFileName == fileName) return &check;
    return nullptr;
}

void FailUpload(Link& link, const QString& fileName) {
    WithdrawCommands(link, [&](const QString& line) { return NamesUpload(line, fileName); });
    EndSentFileCheck(link, fileName);
    if (link.Dispatch.MarkUploadFailed) link.Dispatch.MarkUploadFailed(fileName);
}

void EndSentFileCheck(Link& link, const QString& fileName) {
    const qsizetype at = IndexOf(link, fileName);
    if (at >= 0) link.Requests.SentFileChecks.removeAt(at);
}

bool IsPlainFileName(const QString& name) {
    if (name.isEmpty() || name.startsWith(u'.')) return false;
    for (QChar c : name) {
        const bool ok = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                        c == u'.' || c == u'_' || c == u'-';
        if (!ok) return false;
    }
    return true;
}

QString EchoedFileName(const QString& reply) {
    const QString word = reply.section(u' ', 1, 1);
    qsizetype end = 0;
    while (end < word.size() && word.at(end) != u'\r' && word.at(end) != u'\n') ++end;
    return word.left(end);
}

}  // namespace tidepost
