#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The text of a profile file as bracketed sections of "key=value" lines. Section and key names
// compare without regard to ASCII case; blanks around names and values are ignored. Lines it does
// not understand (comments starting with ";", blank lines, junk) are kept as they are, and so are
// unknown sections and keys, the line-end style of each line and a leading byte-order mark, so
// that parse followed by serialise gives back the same bytes. When a name occurs twice, the first
// section and the first key win, for reading and for writing alike.
class IniDocument {
public:
    using Entries = std::vector<std::pair<std::string, std::string>>;

    static IniDocument parse(std::string_view text);
    std::string serialise() const;

    // True when the bytes are something this game could have written: text without NUL or other
    // control bytes apart from tab, line feed and carriage return.
    static bool looksLikeText(std::string_view bytes);

    // The value of key in section with the blanks around it removed; nullopt when the section or
    // the key is absent (an empty value is present).
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Every key of the first matching section in file order, with trimmed names and values.
    Entries entries(std::string_view section) const;

    // Replaces the value of key, or adds the key at the end of the section, or adds the section at
    // the end of the document. Line breaks and NUL in any of the three become blanks, so a value
    // can never start another line.
    void set(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with all its lines.
    void removeSection(std::string_view section);

    // The line end used for new lines: that of the first line break in the parsed text, else LF.
    const std::string& newline() const { return newline_; }

private:
    enum class Kind { Other, Header, Entry };
    struct Line {
        Kind kind = Kind::Other;
        std::string text;  // without its line end
        std::string eol;   // "\n", "\r\n" or "" for a last line without one
        std::string name;  // trimmed section or key name
        std::string value; // trimmed value of an entry
    };

    static Line classify(std::string text, std::string eol);
    // Index of the header of the first section called name, or npos.
    std::size_t findSection(std::string_view name) const;
    // One past the last line of the section whose header is at index header.
    std::size_t sectionEnd(std::size_t header) const;
    void ensureLastLineEnds();

    std::vector<Line> lines_;
    std::string newline_ = "\n";
    bool byteOrderMark_ = false;
};
