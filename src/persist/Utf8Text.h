#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character-level rules for the texts the profile file stores. A "character" is one UTF-8 code
// point; a byte that does not start a valid sequence counts as one character of its own, so junk
// never makes a limit cut a valid sequence in half.

// Byte length of the character starting at text[pos] (pos < size): 1..4, or 0 when the bytes
// there are not a valid UTF-8 sequence.
std::size_t utf8SequenceLength(std::string_view text, std::size_t pos);

// Number of characters in text.
std::size_t utf8Length(std::string_view text);

// The first maxChars characters of text.
std::string utf8Prefix(std::string_view text, std::size_t maxChars);

// One line of text safe to store as a value: every control character (C0, DEL, C1, and the
// Unicode line and paragraph separators) becomes a blank, every invalid byte becomes U+FFFD.
std::string sanitizeLine(std::string_view text);

// text cut to width characters or padded on the right with blanks to exactly width characters.
std::string padOrCut(std::string_view text, std::size_t width);

// text without the blanks (spaces, tabs) around it.
std::string_view trimBlanks(std::string_view text);

// ASCII case-insensitive equality, as section and key names are compared.
bool equalsIgnoreCase(std::string_view a, std::string_view b);
