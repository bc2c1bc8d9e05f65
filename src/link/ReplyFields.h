#pragma once
#include <QString>

namespace tidepost {

// Small readers for values at fixed places in a transceiver reply. Positions count from 0.

// The whole number that text begins with: leading blanks skipped, an optional sign, then digits
// up to the first other character. 0 when there are no digits. Absurdly long digit runs are
// clamped rather than overflowing.
qint64 LeadingNumber(const QString& text);

// Up to `length` characters of text from `pos`, cut at the first CR or LF: a value shorter than
// its window must not take in the line end and the start of the next line. "" for a negative
// or too large `pos`.
QString ValueWindow(const QString& text, qsizetype pos, qsizetype length);

// The position just after the first ":" that follows the first occurrence of key (letter case
// ignored); -1 when the key or such a ":" is absent.
qsizetype ValueStartAfterKey(const QString& text, const QString& key);

// `length` characters after the first occurrence of marker (exact case); "" without the marker.
QString TextAfterMarker(const QString& text, const QString& marker, qsizetype length);

}  // namespace tidepost
