#pragma once
// Windows-1250 is the code page of every text file the program reads or writes.
#include <QByteArray>
#include <QString>

namespace krevol::cp1250 {

QString decode(const QByteArray &bytes);

// Encodes text; returns false (and leaves `out` untouched) when the code page
// cannot hold some character, so no text is ever written silently changed.
bool encode(const QString &text, QByteArray &out);

bool canEncode(const QString &text);

// The characters of `text` that the code page cannot hold, each once, in order.
QString unencodableCharacters(const QString &text);

} // namespace krevol::cp1250
