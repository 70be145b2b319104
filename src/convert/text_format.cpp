#include "convert/text_format.h"

#include <algorithm>

namespace absence {

std::string TFieldReader::Next(int width) {
  const std::size_t sep = rest_.find(separator_);
  if (sep == std::string_view::npos) throw PVConvertException();
  std::string field(rest_.substr(0, std::min(sep, static_cast<std::size_t>(width))));
  rest_.remove_prefix(sep + 1);
  return field;
}

std::string TFieldReader::Last(int width) const {
  return std::string(rest_.substr(0, static_cast<std::size_t>(width)));
}

char Separator(TFileFormat format) {
  return format == TFileFormat::Tab ? '\t' : ',';
}

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string();
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string RotateCommas(std::string text) {
  for (std::size_t comma = text.find(','); comma != std::string::npos; comma = text.find(','))
    text = text.substr(comma + 1) + " " + text.substr(0, comma);
  return text;
}

std::vector<std::string> SplitLine(std::string_view line, TFileFormat format,
                                   std::span<const TFieldSpec> fields,
                                   std::span<const int> untrimmedFixed, int& failedField) {
  std::vector<std::string> out;
  out.reserve(fields.size());
  failedField = -1;
  if (format == TFileFormat::Fixed) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const auto width = static_cast<std::size_t>(fields[i].Width);
      const std::string_view f = line.substr(std::min(pos, line.size()), width);
      const bool keep = std::find(untrimmedFixed.begin(), untrimmedFixed.end(),
                                  static_cast<int>(i)) != untrimmedFixed.end();
      out.push_back(keep ? std::string(f) : Trim(f));
      pos += width;
    }
    return out;
  }
  TFieldReader reader(line, Separator(format));
  for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
    failedField = static_cast<int>(i);
    out.push_back(reader.Next(fields[i].Width));
  }
  failedField = -1;
  out.push_back(reader.Last(fields.back().Width));
  return out;
}

std::string JoinLine(std::span<const std::string_view> texts, TFileFormat format,
                     std::span<const TFieldSpec> fields, std::span<const bool> isText) {
  std::string line;
  line.reserve(format == TFileFormat::Fixed ? 136 : 64);
  const auto append = [&line](std::string_view t) {
    const std::size_t start = line.size();
    line += t;
    std::replace_if(
        line.begin() + static_cast<std::ptrdiff_t>(start), line.end(),
        [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
  };
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string_view t = texts[i];
    if (format == TFileFormat::Fixed) {
      const auto width = static_cast<std::size_t>(fields[i].Width);
      append(t.substr(0, width));
      line.append(width - std::min(width, t.size()), ' ');
      continue;
    }
    if (i > 0) line += Separator(format);
    if (format == TFileFormat::Comma && isText[i] && t.find(',') != std::string_view::npos)
      append(RotateCommas(std::string(t)));
    else
      append(t);
  }
  return line;
}

}  // namespace absence
