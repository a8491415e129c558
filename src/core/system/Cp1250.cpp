#include "Cp1250.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace krevol::cp1250 {
namespace {

// The code page is single-byte: the mapping is taken once from the system's
// converter and then applied by table, which is many times faster than
// opening a converter for every line.
struct CodePage
{
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;

    CodePage()
    {
        QStringDecoder decoder("windows-1250");
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            const QString decoded = decoder.decode(QByteArrayView(&c, 1));
            toUnicode[byte] = decoded.size() == 1 ? decoded.at(0).unicode() : char16_t(byte);
        }
        QStringEncoder encoder("windows-1250");
        for (int byte = 0; byte < 256; ++byte) {
            const char16_t unit = toUnicode[byte];
            const QByteArray back = encoder.encode(QStringView(&unit, 1));
            if (!encoder.hasError() && back.size() == 1 && quint8(back[0]) == byte)
                fromUnicode.insert(unit, char(byte));
        }
    }
};

const CodePage &codePage()
{
    static const CodePage page;
    return page;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    const CodePage &page = codePage();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(page.toUnicode[quint8(bytes[i])]);
    return text;
}

bool encode(const QString &text, QByteArray &out)
{
    const CodePage &page = codePage();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *data = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit < 0x80) {
            data[i] = char(unit);
            continue;
        }
        const auto found = page.fromUnicode.constFind(unit);
        if (found == page.fromUnicode.constEnd())
            return false;
        data[i] = found.value();
    }
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
