#pragma once
// Windows-1252 text of the data files <-> UTF-8 text in memory.
#include <string>
#include <string_view>

namespace absence {

// UTF-8 to Windows-1252; characters the code page lacks become '?'. Invalid UTF-8 bytes are
// taken as Windows-1252 bytes, so text that never was UTF-8 survives a round trip.
std::string ToAnsi(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined map to U+0081 etc., as
// Windows does, so every byte survives a round trip.
std::string FromAnsi(std::string_view ansi);

// Sort key of a text, compared with CompareBytes: names sort as people read them. Letters are
// folded to capitals without their accents ("ä" with "a", "Ö" with "O", "ß" as "SS", "Æ" as "AE"),
// other characters keep their Windows-1252 byte. A text of plain ASCII keys as its bytes with a-z
// folded to A-Z; a text with accented letters follows the same text without them.
std::string AnsiSortKey(std::string_view utf8);

// Compares two sort keys (or raw byte strings) by byte value: -1, 0 or 1.
int CompareBytes(std::string_view a, std::string_view b);

// Case-insensitive for a-z only, other characters by their Windows-1252 byte values.
int CompareNoCaseAZ(std::string_view utf8a, std::string_view utf8b);

}  // namespace absence
