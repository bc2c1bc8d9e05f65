#pragma once
#include <QString>
#include <QStringView>

namespace tidepost {

class AnsiCodec;

// Decodes a form field as browsers send it: "+" is a blank, "%" and two hexadecimal digits the
// character of that byte in the ANSI code page (each escape one character; "%2B" gives "+"), a
// "%" with fewer than two characters after it stays. Two characters after a "%" that are no
// hexadecimal number make the whole result empty. No length limit.
QString UrlDecode(const AnsiCodec& codec, QStringView text);

}  // namespace tidepost
