#pragma once
#include <QString>
#include <optional>

namespace tidepost {

class AnsiCodec;
struct Foundation;

// The keys of section "Config" that hold the two passwords, encoded.
inline constexpr const char* kConfigPasswordKey = "Config Password";
inline constexpr const char* kTransmitPasswordKey = "Transmit Password";

// A password as it is stored: each character's byte in the ANSI code page as two symbols, the
// high half first, 0-9 as "0"-"9" and 10-15 as "K"-"P". "" for the empty password; none when a
// character has no byte in the code page (it could not be read back).
std::optional<QString> EncodeStoredPassword(const AnsiCodec& codec, const QString& text);
// The password back from its stored form; none for a text the encoder cannot have written (odd
// length, a symbol outside the sixteen).
std::optional<QString> DecodeStoredPassword(const AnsiCodec& codec, const QString& stored);

// Whether `typed` is the password stored under `key` (exact, case-sensitive); nothing stored
// matches only "". A damaged stored value matches nothing and leaves one ErrorLog line, without
// the value.
bool StoredPasswordMatches(Foundation& f, const char* key, const QString& typed);

// A change of the password under `key`: accepted when `old` is the stored password and `newText`
// equals `confirm` and can be encoded; then the new one is stored (empty: the guard is lifted).
// False, nothing stored, otherwise and when the store refuses the write.
bool ChangeStoredPassword(Foundation& f, const char* key, const QString& old, const QString& newText,
                          const QString& confirm);

}  // namespace tidepost
