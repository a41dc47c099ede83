#include "Utf8Text.h"

namespace {

unsigned char byteAt(std::string_view text, std::size_t pos) { return static_cast<unsigned char>(text[pos]); }

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

char32_t decodeAt(std::string_view text, std::size_t pos, std::size_t length)
{
    const unsigned char lead = byteAt(text, pos);
    if (length == 1) return lead;
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) cp = (cp << 6) | (byteAt(text, pos + i) & 0x3F);
    return cp;
}

bool isControl(char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t pos)
{
    const unsigned char lead = byteAt(text, pos);
    std::size_t length = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (pos + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if (!isContinuation(byteAt(text, pos + i))) return 0;
    // Overlong forms, surrogates and code points above U+10FFFF are invalid.
    const unsigned char second = byteAt(text, pos + 1);
    if (lead == 0xE0 && second < 0xA0) return 0;
    if (lead == 0xED && second > 0x9F) return 0;
    if (lead == 0xF0 && second < 0x90) return 0;
    if (lead == 0xF4 && second > 0x8F) return 0;
    return length;
}

std::size_t utf8Length(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        const std::size_t length = utf8SequenceLength(text, pos);
        pos += length == 0 ? 1 : length;
    }
    return count;
}

std::string utf8Prefix(std::string_view text, std::size_t maxChars)
{
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxChars && pos < text.size(); ++count) {
        const std::size_t length = utf8SequenceLength(text, pos);
        pos += length == 0 ? 1 : length;
    }
    return std::string(text.substr(0, pos));
}

std::string sanitizeLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8SequenceLength(text, pos);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++pos;
            continue;
        }
        if (isControl(decodeAt(text, pos, length)))
            out += ' ';
        else
            out.append(text.substr(pos, length));
        pos += length;
    }
    return out;
}

std::string padOrCut(std::string_view text, std::size_t width)
{
    std::string out = utf8Prefix(text, width);
    const std::size_t length = utf8Length(out);
    if (length < width) out.append(width - length, ' ');
    return out;
}

std::string_view trimBlanks(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}
