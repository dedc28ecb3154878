#pragma once

#include <QByteArray>
#include <QString>

namespace rh::texto {

// The Windows ANSI code page of the department's machines (Windows-1252).
// Text files for other programs and the password hashes of the login depend
// on these exact bytes, so the table is complete: 0x80–0x9F hold the
// typographic characters (€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ),
// every other byte is the Latin-1 character of the same value.

// Each character without a byte of its own becomes '?' (one '?' per
// character, also for characters outside the BMP and for lone surrogates).
// The five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to and from the C1 controls of the same value, as Windows does,
// so that every byte sequence survives a round trip.
QByteArray paraWindows1252(const QString& texto);

QString deWindows1252(const QByteArray& bytes);

// True when every character of `texto` has a byte in the code page.
bool representavelEmWindows1252(const QString& texto);

}  // namespace rh::texto
