// SPDX-License-Identifier: MIT
#include "readers/textcodec.h"

#include <QStringDecoder>

#include <algorithm>

namespace tavelo {
namespace {

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEF); }
bool isTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isShiftJisShaped(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80 || (b >= 0xA1 && b <= 0xDF))
            continue;
        if (!isLeadByte(b) || i + 1 >= bytes.size() ||
            !isTrailByte(static_cast<unsigned char>(bytes[i + 1])))
            return false;
        ++i;
    }
    return true;
}

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != '\v') || u == 0x7F;
}

// UTF-8, or none where it breaks (`broken` then holds the text with U+FFFD).
std::optional<QString> decodeUtf8(QByteArrayView bytes, QString *broken = nullptr)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return text;
    if (broken)
        *broken = std::move(text);
    return std::nullopt;
}

std::optional<QString> decodeUtf16(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf16, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || bytes.size() % 2 != 0)
        return std::nullopt;
    return text;
}

// Shift_JIS of the JIS X 0208 rows (see decodeText).
std::optional<QString> decodeShiftJis(QByteArrayView bytes)
{
    if (!isShiftJisShaped(bytes))
        return std::nullopt;
    QStringDecoder decoder("Shift_JIS", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    // 0x1A stands for an unmapped pair, unless the bytes held it themselves.
    if (decoder.hasError() || text.contains(QChar::ReplacementCharacter) ||
        (text.contains(QChar(0x1A)) && !bytes.contains('\x1a')))
        return std::nullopt;
    return text;
}

}  // namespace

QString decodeLatin1OrShiftJis(QByteArrayView bytes)
{
    if (!isAscii(bytes)) {
        if (auto text = decodeShiftJis(bytes))
            return *text;
    }
    return QString::fromLatin1(bytes);
}

std::optional<QString> decodeText(QByteArrayView bytes, TextRules rules)
{
    std::optional<QString> text;
    QString broken;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    else if (rules.utf16 && (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")))
        text = decodeUtf16(bytes);
    if (!text && !(text = decodeUtf8(bytes, &broken)))
        text = decodeShiftJis(bytes);
    if (!text && rules.replaceBroken)
        text = broken;
    if (!text || (rules.refuseControls && std::any_of(text->cbegin(), text->cend(), isControl)))
        return std::nullopt;
    return text;
}

}  // namespace tavelo
