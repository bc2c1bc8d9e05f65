#pragma once
#include <QString>
#include <QStringList>

#include "platform/FileError.h"

namespace tidepost {

struct Foundation;

inline constexpr const char* kIspFileName = "isp.dat";
inline constexpr int kIspFieldCount = 16;

// The path of "isp.dat" in the data folder (an existing file of another case is used).
QString IspFilePath(const Foundation& f);

// Every CR LF pair <-> the six characters "<CRLF>"; lone CR or LF are left alone.
QString EscapeCrLf(const QString& text);
QString UnescapeCrLf(const QString& text);

// Loads "isp.dat" into gIspList, creating the file from the built-in providers when it is missing
// or empty, and asking before renewing a file of an old version. A failure to open or read the file
// is returned (and the list stays as far as it was filled); the caller reports it. `declined` is
// set when the operator kept a file of an old version: gIspList then holds none of its providers.
FileError ReadIspFile(Foundation& f, bool* declined = nullptr);
// Replaces "isp.dat" by gIspList (atomically); reports a failure itself and returns false. A file
// the operator chose to keep at its old version is left as it is (a failure).
bool WriteIspFile(Foundation& f);
// gIspList becomes the thirteen built-in providers.
void ReadDefaultIspData(Foundation& f);
// The built-in provider rows in file-line form, in their order.
QStringList DefaultIspLines();

// Fills gIspList[index] from one file line; the element must exist.
void LineToIsp(Foundation& f, const QString& line, int index);
// Index of the first provider named exactly `name`; -1 when none.
int GetISPData(Foundation& f, const QString& name);
// Field 1..16 (file numbering) of the provider; fields 10 and 13 with real CR LF; "" otherwise.
QString GetISPElement(Foundation& f, const QString& name, int element);
// Replaces the first provider of that name, or appends one; fields in file order. The text-start
// prefix and the delimiter are unescaped first. Returns the provider's index, -1 after an error box.
int SetISPData(Foundation& f, const QString& name, const QString& lesAorW, const QString& lesAorE,
               const QString& lesPor, const QString& lesIor, const QString& toPrefix, const QString& ccPrefix,
               const QString& bccPrefix, const QString& subjectPrefix, const QString& textStartPrefix,
               const QString& addressType, const QString& address, const QString& delimiter,
               const QString& smsPrefix, const QString& smsPostfix, const QString& smsSac);
// Removes the first provider of that name: 1, or -1 when there is none.
int DeleteIsp(Foundation& f, const QString& name);

// The provider's LES per ocean (fields 2 to 5) become the e-mail LESs of the configuration; a
// provider the list does not hold, or "", clears them.
void SetDefaultIspLesFromProvider(Foundation& f, const QString& providerName);
// The same for the provider the settings file names as "[Default ISP]".
void ApplyDefaultIsp(Foundation& f);

}  // namespace tidepost
