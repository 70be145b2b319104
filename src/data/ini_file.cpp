#include "data/ini_file.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/fileio.h"

namespace absence {
namespace {

// Section and key names compare case-insensitively, as initialisation files always have.
bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

bool HasLineBreak(const std::string& s) {
  return s.find_first_of("\r\n") != std::string::npos;
}

// The reasons a name or value could not be read back as written; empty when it can.
std::string Unwritable(const std::string& section, const std::string& key,
                       const std::string& value) {
  if (HasLineBreak(section) || section.find(']') != std::string::npos || Trim(section) != section)
    return "the section name \"" + section + "\" cannot be kept in a settings file";
  if (key.empty() || HasLineBreak(key) || key.find('=') != std::string::npos || Trim(key) != key ||
      key[0] == '[' || key[0] == ';' || key[0] == '#')
    return "the key \"" + key + "\" cannot be kept in a settings file";
  if (HasLineBreak(value))
    return "the value of " + key + " holds a line break, which a settings file cannot keep";
  return "";
}

// The file is small; anything bigger than this is not ours and is not read.
constexpr std::uintmax_t kMaxIniSize = 4 * 1024 * 1024;

}  // namespace

// sections_[0] always exists: it holds the lines before the first section header.
TIniFile::TIniFile() {
  sections_.push_back({});
}

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {
  sections_.push_back({});
}

bool TIniFile::Load() {
  sections_.clear();
  sections_.push_back({});
  std::error_code ec;
  const auto size = std::filesystem::file_size(path_, ec);
  if (ec || size > kMaxIniSize) return false;
  std::ifstream in(path_, std::ios::binary);
  if (!in) return false;
  std::ostringstream ss;
  ss << in.rdbuf();
  Parse(ss.str());
  return true;
}

void TIniFile::Parse(const std::string& text) {
  sections_.clear();
  sections_.push_back({});
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t nl = text.find('\n', pos);
    if (nl == std::string::npos) nl = text.size();
    std::string line = text.substr(pos, nl - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    pos = nl + 1;
    const std::string t = Trim(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
      sections_.push_back({Trim(t.substr(1, t.size() - 2)), {}});
      continue;
    }
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos && !t.empty() && t[0] != ';' && t[0] != '#') {
      const std::string key = Trim(line.substr(0, eq));
      if (!key.empty()) {
        sections_.back().lines.push_back({key, Trim(line.substr(eq + 1)), {}});
        continue;
      }
    }
    if (pos > text.size() && line.empty()) break;  // no phantom line after the final newline
    sections_.back().lines.push_back({{}, {}, line});
  }
}

std::string TIniFile::Text() const {
  std::string out;
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    const Section& s = sections_[i];
    if (i > 0) out += "[" + s.name + "]\r\n";
    for (const Line& l : s.lines) out += (l.key.empty() ? l.raw : l.key + "=" + l.value) + "\r\n";
  }
  return out;
}

void TIniFile::Save() const {
  Save(TFileOps::Real());
}

void TIniFile::Save(const TFileOps& ops) const {
  namespace fs = std::filesystem;
  const fs::path p(path_);
  std::error_code ec;
  if (p.has_parent_path()) fs::create_directories(p.parent_path(), ec);
  const std::string text = Text();
  ReplaceFile(path_, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
              ".~absence-new~", ops);
}

TIniFile::Section* TIniFile::FindSection(const std::string& name) {
  for (std::size_t i = 1; i < sections_.size(); ++i)
    if (SameName(sections_[i].name, name)) return &sections_[i];
  return nullptr;
}

const TIniFile::Section* TIniFile::FindSection(const std::string& name) const {
  return const_cast<TIniFile*>(this)->FindSection(name);
}

const TIniFile::Line* TIniFile::FindLine(const std::string& section, const std::string& key) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  for (const Line& l : s->lines)
    if (!l.key.empty() && SameName(l.key, key)) return &l;
  return nullptr;
}

bool TIniFile::HasKey(const std::string& section, const std::string& key) const {
  return FindLine(section, key) != nullptr;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
  const Line* l = FindLine(section, key);
  return l ? l->value : def;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
  const Line* l = FindLine(section, key);
  if (!l) return def;
  const std::string& v = l->value;
  int result = 0;
  const char* first = v.data();
  if (!v.empty() && v[0] == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, v.data() + v.size(), result);
  if (ec != std::errc() || ptr != v.data() + v.size() || first == v.data() + v.size()) return def;
  return result;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& rawValue) {
  if (const std::string why = Unwritable(section, key, rawValue); !why.empty())
    throw EIniValueError(why);
  const std::string value = Trim(rawValue);
  Section* s = FindSection(section);
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  for (Line& l : s->lines) {
    if (!l.key.empty() && SameName(l.key, key)) {
      l.value = value;
      return;
    }
  }
  // Keep new keys above trailing blank lines so sections stay visually separated.
  auto it = s->lines.end();
  while (it != s->lines.begin() && (it - 1)->key.empty() && Trim((it - 1)->raw).empty()) --it;
  s->lines.insert(it, Line{key, value, {}});
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
  Section* s = FindSection(section);
  if (!s) return;
  std::erase_if(s->lines, [&](const Line& l) { return !l.key.empty() && SameName(l.key, key); });
}

}  // namespace absence
