#include "Cp1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace krevol::cp1250 {

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1250");
    return decoder.decode(bytes);
}

bool encode(const QString &text, QByteArray &out)
{
    QStringEncoder encoder("windows-1250");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    out = bytes;
    return true;
}

bool canEncode(const QString &text)
{
    QByteArray ignored;
    return encode(text, ignored);
}

QString unencodableCharacters(const QString &text)
{
    QString result;
    // Walk by code point so a character outside the basic plane counts once.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!canEncode(character) && !result.contains(character))
            result += character;
        i += length;
    }
    return result;
}

} // namespace krevol::cp1250
