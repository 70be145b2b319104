#pragma once
// Reading and writing the import and export files: lines of text ended by CR LF (or LF), in
// Windows-1252 or UTF-8. The runs work on Windows-1252 lines, so that field widths count
// characters; UTF-8 files are converted line by line as they are read or written.
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/convert_error.h"
#include "convert/convert_options.h"
#include "data/fileio.h"

namespace absence {

// An import file read line by line, so that a large file is never held whole: the lines as
// ReadImportLines gives them, with its errors (a read error can also come from Next). A file that
// is valid UTF-8 throughout (what Linux editors write) is read as UTF-8, any other as
// Windows-1252; a byte order mark at its start is skipped. The lines come as Windows-1252, the
// characters that code page lacks as '?'.
class TImportFile {
 public:
  TImportFile(const std::string& path, TConvertContent content);
  ~TImportFile();
  TImportFile(const TImportFile&) = delete;
  TImportFile& operator=(const TImportFile&) = delete;
  // The next line, or nullptr after the last one; valid until the next call.
  const std::string* Next();
  TTextEncoding Encoding() const { return encoding_; }

 private:
  bool Fill();
  void ReadFailed();

  std::FILE* file_;
  TTextEncoding encoding_ = TTextEncoding::Windows1252;
  bool convert_ = false;  // the lines are converted from UTF-8
  TConvertContent content_;
  std::vector<char> block_;
  std::size_t pos_ = 0, end_ = 0;
  std::string line_;
};

// The lines of an import file without their line ends (CR LF or LF). A file that ends with a line
// end has no empty last line. Throws EConvertError: a missing file gives the "does not exist"
// message (information), any other failure the open error of `content` (error).
std::vector<std::string> ReadImportLines(const std::string& path, TConvertContent content);
// How many lines ReadImportLines would give, read the same way without keeping them (for a
// progress bar over a file read line by line); the same errors.
std::size_t CountImportLines(const std::string& path, TConvertContent content);

// True when `bytes` are valid UTF-8 (no overlong forms, surrogates or values above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Creates the file's folder with all missing parents and writes `lines`, each ended by CR LF,
// into a temporary file that then replaces the file, so an earlier file stays whole whatever
// fails. Throws EConvertError: the "cannot be created" message (information) when the file
// cannot be created, ExportWriteErrorMessage (error) when writing or replacing it fails.
void WriteExportLines(const std::string& path, const std::vector<std::string>& lines,
                      const TFileOps& ops = TFileOps::Real());
// Receives one line of an export, without its line end.
using TLineSink = std::function<void(std::string_view line)>;
// The same for the lines that `produce` hands to the sink one by one: they are written as they
// come, never held all at once.
void WriteExportLinesFrom(const std::string& path,
                          const std::function<void(const TLineSink&)>& produce,
                          const TFileOps& ops = TFileOps::Real());
// The same for a text that has its line ends already.
void WriteExportText(const std::string& path, const std::string& text,
                     const TFileOps& ops = TFileOps::Real());

}  // namespace absence
