#include "convert/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <span>

#include "data/fileio.h"

#include "data/ansi.h"

namespace absence {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// Checks UTF-8 piece by piece: a character may be split between two pieces.
class TUtf8Check {
 public:
  void Add(std::string_view bytes) {
    for (const char ch : bytes) {
      if (!valid_) return;
      const auto b = static_cast<unsigned char>(ch);
      if (need_ > 0) {
        if (b < lo_ || b > hi_) {
          valid_ = false;
          return;
        }
        --need_;
        lo_ = 0x80;
        hi_ = 0xBF;
      } else if (b >= 0x80) {
        high_ = true;
        Lead(b);
      }
    }
  }
  bool Valid() const { return valid_ && need_ == 0; }
  // Some byte was not ASCII.
  bool High() const { return high_; }

 private:
  // The continuation bytes a lead byte asks for, and the range of the first one (which rules
  // out overlong forms, surrogates and values above U+10FFFF).
  void Lead(unsigned char b) {
    lo_ = 0x80;
    hi_ = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
      need_ = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
      need_ = 2;
      if (b == 0xE0) lo_ = 0xA0;
      if (b == 0xED) hi_ = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      need_ = 3;
      if (b == 0xF0) lo_ = 0x90;
      if (b == 0xF4) hi_ = 0x8F;
    } else {
      valid_ = false;
    }
  }
  bool valid_ = true;
  bool high_ = false;
  int need_ = 0;
  unsigned char lo_ = 0x80, hi_ = 0xBF;
};

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  TUtf8Check check;
  check.Add(bytes);
  return check.Valid();
}

TImportFile::TImportFile(const std::string& path, TConvertContent content)
    : file_(nullptr), content_(content), block_(1 << 16) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec))
    throw EConvertError(TMessageKind::Information, kMissingImportFileMessage);
  errno = 0;
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) {
    const int err = errno != 0 ? errno : EIO;
    throw EConvertError(TMessageKind::Error, OpenErrorMessage(content, err, std::strerror(err)));
  }
  // The encoding is decided on the whole file before the first line is given: a file is UTF-8
  // only when every byte of it fits.
  TUtf8Check check;
  bool first = true;
  long start = 0;
  while (Fill()) {
    std::string_view piece(block_.data(), end_);
    if (first && piece.substr(0, 3) == kByteOrderMark) {
      piece.remove_prefix(3);
      start = 3;
    }
    first = false;
    check.Add(piece);
  }
  if (check.Valid()) encoding_ = TTextEncoding::Utf8;
  // Plain ASCII reads the same either way.
  convert_ = check.Valid() && check.High();
  if (std::fseek(file_, start, SEEK_SET) != 0) ReadFailed();
  pos_ = end_ = 0;
}

void TImportFile::ReadFailed() {
  const int err = errno != 0 ? errno : EIO;
  throw EConvertError(TMessageKind::Error, OpenErrorMessage(content_, err, std::strerror(err)));
}

TImportFile::~TImportFile() {
  if (file_) std::fclose(file_);
}

bool TImportFile::Fill() {
  end_ = std::fread(block_.data(), 1, block_.size(), file_);
  pos_ = 0;
  if (std::ferror(file_)) ReadFailed();
  return end_ > 0;
}

const std::string* TImportFile::Next() {
  line_.clear();
  bool any = false;  // a last line without a line end still counts when it holds something
  for (;;) {
    if (pos_ == end_ && !Fill()) {
      if (!any) return nullptr;
      break;
    }
    const char* start = block_.data() + pos_;
    const auto* nl = static_cast<const char*>(std::memchr(start, '\n', end_ - pos_));
    if (!nl) {
      line_.append(start, end_ - pos_);
      pos_ = end_;
      any = true;
      continue;
    }
    line_.append(start, nl);
    pos_ = static_cast<std::size_t>(nl - block_.data()) + 1;
    break;
  }
  if (!line_.empty() && line_.back() == '\r') line_.pop_back();
  if (convert_) line_ = ToAnsi(line_);
  return &line_;
}

std::vector<std::string> ReadImportLines(const std::string& path, TConvertContent content) {
  TImportFile file(path, content);
  std::vector<std::string> lines;
  while (const std::string* line = file.Next()) lines.push_back(*line);
  return lines;
}

std::size_t CountImportLines(const std::string& path, TConvertContent content) {
  TImportFile file(path, content);
  std::size_t count = 0;
  while (file.Next()) ++count;
  return count;
}

namespace {

// Creates the file's folder, then puts what `write` hands to its sink in place of the file: the
// earlier file stays whole until the new one is complete and on disk. A file that cannot be
// created gives the "cannot be created" message; a failure once writing began gives the
// system's message.
void WriteExportFile(const std::string& path, const TByteSource& write, const TFileOps& ops) {
  const auto fail = [] {
    throw EConvertError(TMessageKind::Information, kCannotCreateExportFileMessage);
  };
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  if (ec) fail();
  bool started = false;  // the file was created and the first piece asked for
  try {
    ReplaceFileFrom(
        path,
        [&](const TByteSink& sink) {
          started = true;
          write(sink);
        },
        ".~absence-export~", ops);
  } catch (const EDataFileError& e) {
    if (!started) fail();
    throw EConvertError(TMessageKind::Error, ExportWriteErrorMessage(e.what()));
  }
}

std::span<const uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}  // namespace

void WriteExportText(const std::string& path, const std::string& text, const TFileOps& ops) {
  WriteExportFile(
      path, [&](const TByteSink& sink) { sink(Bytes(text)); }, ops);
}

void WriteExportLinesFrom(const std::string& path,
                          const std::function<void(const TLineSink&)>& produce,
                          const TFileOps& ops) {
  // Line by line: the file's text is never built whole in memory.
  WriteExportFile(
      path,
      [&](const TByteSink& sink) {
        produce([&](std::string_view line) {
          sink(Bytes(line));
          sink(Bytes("\r\n"));
        });
      },
      ops);
}

void WriteExportLines(const std::string& path, const std::vector<std::string>& lines,
                      const TFileOps& ops) {
  WriteExportLinesFrom(
      path,
      [&](const TLineSink& put) {
        for (const auto& line : lines) put(line);
      },
      ops);
}

}  // namespace absence
