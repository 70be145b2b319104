#include "convert/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace absence {
namespace {

struct TFileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using TFile = std::unique_ptr<std::FILE, TFileCloser>;

}  // namespace

std::vector<std::string> ReadImportLines(const std::string& path, TConvertContent content) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec))
    throw EConvertError(TMessageKind::Information, kMissingImportFileMessage);
  errno = 0;
  TFile f(std::fopen(path.c_str(), "rb"));
  std::string data;
  if (f) {
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) data.append(buf, n);
  }
  if (!f || std::ferror(f.get())) {
    const int err = errno != 0 ? errno : EIO;
    throw EConvertError(TMessageKind::Error, OpenErrorMessage(content, err, std::strerror(err)));
  }
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < data.size()) {
    std::size_t end = data.find('\n', pos);
    if (end == std::string::npos) end = data.size();
    std::size_t stop = end;
    if (stop > pos && data[stop - 1] == '\r') --stop;
    lines.emplace_back(data, pos, stop - pos);
    pos = end + 1;
  }
  return lines;
}

void WriteExportText(const std::string& path, const std::string& text) {
  const auto fail = [] {
    throw EConvertError(TMessageKind::Information, kCannotCreateExportFileMessage);
  };
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  if (ec) fail();
  TFile f(std::fopen(path.c_str(), "wb"));
  if (!f || std::fwrite(text.data(), 1, text.size(), f.get()) != text.size() ||
      std::fflush(f.get()) != 0)
    fail();
}

void WriteExportLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  WriteExportText(path, text);
}

}  // namespace absence
