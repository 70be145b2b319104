#pragma once
// A plain "key=value" initialisation file with [Section] headers. Values are kept exactly as
// written (no quoting, no splitting at commas), so patterns like "#,##0.0" and width lists
// survive. Reading survives any bytes; unknown lines are kept when the file is written back.
#include <stdexcept>
#include <string>
#include <vector>

namespace absence {

struct TFileOps;

// A section, key or value that the file could not give back as written (a line break in it,
// or a key holding "=").
class EIniValueError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

class TIniFile {
 public:
  TIniFile();
  explicit TIniFile(std::string path);

  // Reads the file; a missing or unreadable file reads as empty. Returns false when missing.
  bool Load();
  // Writes the file (creating its folder) through a temporary file that is flushed and renamed
  // over it, so a failed save leaves the old file whole; throws EDataFileError (a
  // std::runtime_error) with the system's message.
  void Save() const;
  // The same through `ops` (tests make its steps fail).
  void Save(const TFileOps& ops) const;

  const std::string& Path() const { return path_; }

  bool HasKey(const std::string& section, const std::string& key) const;
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  // A value that is not a whole number reads as `def`.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  // Blanks around the value are not kept (reading trims them). Throws EIniValueError, changing
  // nothing, for a value with a line break, a key that is empty, holds "=" or a line break or
  // starts like a comment or a section header, or a section name with "]" or a line break.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void DeleteKey(const std::string& section, const std::string& key);

  // Parses text as file contents (used by Load and tests).
  void Parse(const std::string& text);
  std::string Text() const;

 private:
  struct Line {
    std::string key;  // empty for comments and blank lines
    std::string value;
    std::string raw;  // verbatim text of a line that is not key=value
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
  };
  Section* FindSection(const std::string& name);
  const Section* FindSection(const std::string& name) const;
  const Line* FindLine(const std::string& section, const std::string& key) const;

  std::string path_;
  std::vector<Section> sections_;  // sections_[0] holds lines before the first header
};

}  // namespace absence
