#include "IniDocument.h"

#include "Utf8Text.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t npos = std::string::npos;

std::string oneLine(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c == '\n' || c == '\r' || c == '\0') c = ' ';
    return out;
}

} // namespace

IniDocument::Line IniDocument::classify(std::string text, std::string eol)
{
    Line line;
    line.text = std::move(text);
    line.eol = std::move(eol);
    const std::string_view trimmed = trimBlanks(line.text);
    if (trimmed.empty() || trimmed.front() == ';') return line;
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.rfind(']');
        if (close != npos) {
            line.kind = Kind::Header;
            line.name = std::string(trimBlanks(trimmed.substr(1, close - 1)));
        }
        return line;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals != npos) {
        line.kind = Kind::Entry;
        line.name = std::string(trimBlanks(trimmed.substr(0, equals)));
        line.value = std::string(trimBlanks(trimmed.substr(equals + 1)));
    }
    return line;
}

IniDocument IniDocument::parse(std::string_view text)
{
    IniDocument doc;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        doc.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    bool styleFound = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        if (lf == npos) {
            doc.lines_.push_back(classify(std::string(text.substr(start)), ""));
            break;
        }
        const bool crlf = lf > start && text[lf - 1] == '\r';
        const std::size_t end = crlf ? lf - 1 : lf;
        const std::string eol = crlf ? "\r\n" : "\n";
        if (!styleFound) {
            doc.newline_ = eol;
            styleFound = true;
        }
        doc.lines_.push_back(classify(std::string(text.substr(start, end - start)), eol));
        start = lf + 1;
    }
    return doc;
}

std::string IniDocument::serialise() const
{
    std::string out;
    if (byteOrderMark_) out += kByteOrderMark;
    for (const Line& line : lines_) {
        out += line.text;
        out += line.eol;
    }
    return out;
}

bool IniDocument::looksLikeText(std::string_view bytes)
{
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') return false;
    }
    return true;
}

std::size_t IniDocument::findSection(std::string_view name) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Header && equalsIgnoreCase(lines_[i].name, name)) return i;
    return npos;
}

std::size_t IniDocument::sectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Header) ++i;
    return i;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    const std::size_t header = findSection(section);
    if (header == npos) return std::nullopt;
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Entry && equalsIgnoreCase(lines_[i].name, key)) return lines_[i].value;
    return std::nullopt;
}

bool IniDocument::hasSection(std::string_view section) const { return findSection(section) != npos; }

IniDocument::Entries IniDocument::entries(std::string_view section) const
{
    Entries result;
    const std::size_t header = findSection(section);
    if (header == npos) return result;
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Entry) result.emplace_back(lines_[i].name, lines_[i].value);
    return result;
}

void IniDocument::ensureLastLineEnds()
{
    if (!lines_.empty() && lines_.back().eol.empty()) lines_.back().eol = newline_;
}

void IniDocument::set(std::string_view sectionName, std::string_view keyName, std::string_view valueText)
{
    const std::string section = oneLine(sectionName);
    const std::string key = oneLine(keyName);
    const std::string value = oneLine(valueText);

    std::size_t header = findSection(section);
    if (header == npos) {
        ensureLastLineEnds();
        if (!lines_.empty() && !trimBlanks(lines_.back().text).empty()) lines_.push_back(classify("", newline_));
        lines_.push_back(classify("[" + section + "]", newline_));
        lines_.push_back(classify(key + "=" + value, newline_));
        return;
    }
    const std::size_t end = sectionEnd(header);
    std::size_t lastEntry = header;
    for (std::size_t i = header + 1; i < end; ++i) {
        Line& line = lines_[i];
        if (line.kind != Kind::Entry) continue;
        if (equalsIgnoreCase(line.name, key)) {
            // The key keeps the spelling the file gave it.
            line = classify(line.name + "=" + value, line.eol);
            return;
        }
        lastEntry = i;
    }
    const std::size_t at = lastEntry + 1;
    if (at == lines_.size()) ensureLastLineEnds();
    Line added = classify(key + "=" + value, newline_);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
}

void IniDocument::removeSection(std::string_view section)
{
    for (std::size_t header = findSection(section); header != npos; header = findSection(section)) {
        const std::size_t end = sectionEnd(header);
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(end));
    }
}
