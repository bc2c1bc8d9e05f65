#pragma once
#include <QString>
#include <array>
#include <cstdint>

#include "platform/FileError.h"

namespace tidepost {

struct Foundation;

// One stored default message (name, To, Cc, Bcc, Subject and body) of the function keys F1 to
// F8: the file DefaultMsg<n>.txt in the folder DefaultMessages of the data folder. Short-lived:
// created, given a key, used, let go; the files are the only state that lasts.
class cDefaultMessage {
public:
    explicit cDefaultMessage(Foundation& f);

    // Sets the key number and the file path of key n.
    void Init(std::int16_t n);
    // Builds the file from the values and writes it (replacing an older one at once, never leaving
    // half a file); false without Init or when the write fails. An empty name becomes
    // "Default message <n>".
    bool CreateMessage(const QString& name, const QString& body, const QString& subject, const QString& to,
                       const QString& cc, const QString& bcc);
    // Deletes the file, also a read-only one: true when it existed and is gone.
    bool Delete();
    bool ExistsFile();
    QString GetBcc() const { return m_values[kBcc]; }
    QString GetBodyText() const { return m_values[kBodyText]; }
    QString GetCc() const { return m_values[kCc]; }
    QString GetName() const { return m_values[kName]; }
    QString GetSubject() const { return m_values[kSubject]; }
    QString GetTo() const { return m_values[kTo]; }
    // Moves the files of an older installation from the drafts folder into the folder of the
    // default messages, never over a file there. Throws RuntimeError on a failure.
    void Upgrade();
    // Init(n), then reads and parses the file: true when it holds a message body (or is an older
    // file with a name and a body). Nothing of an earlier load remains.
    bool LoadMessage(std::int16_t n);

    // The file's path once Init ran, and the text last read or built.
    QString FilePath() const { return m_filePath; }
    QString FileText() const { return m_fileText; }
    // Why the last CreateMessage failed (number 0 when it did not).
    const FileError& LastError() const { return m_lastError; }

private:
    enum Tag { kMessage, kVersion, kHeader, kName, kTo, kCc, kBcc, kSubject, kBodyText, kTagCount };
    bool ParseOlderFormat();
    bool ParseXml();
    QString BuildFileText() const;

    Foundation& m_f;
    QString m_messageNumber = QStringLiteral("0");
    QString m_fileText;
    QString m_folder;
    QString m_filePath;
    std::array<QString, kTagCount> m_tagNames;
    std::array<QString, kTagCount> m_values;
    FileError m_lastError;
};

}  // namespace tidepost
