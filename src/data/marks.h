#pragma once
// Deletion marks of an entry: a short text, empty for a live entry. One pointer wide, because
// millions of entries are held at once and almost all of them carry no mark.
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace absence {

class TMarks {
 public:
  TMarks() = default;
  TMarks(std::string_view s) { Assign(s); }  // NOLINT: used like a string
  TMarks(const TMarks& o) { Assign(o.view()); }
  TMarks(TMarks&&) noexcept = default;
  TMarks& operator=(const TMarks& o) {
    if (this != &o) Assign(o.view());
    return *this;
  }
  TMarks& operator=(TMarks&&) noexcept = default;
  TMarks& operator=(std::string_view s) {
    Assign(s);
    return *this;
  }

  bool empty() const { return !text_; }
  std::size_t size() const { return text_ ? std::strlen(text_.get()) : 0; }
  void clear() { text_.reset(); }
  std::string_view view() const {
    return text_ ? std::string_view(text_.get()) : std::string_view();
  }
  std::string str() const { return std::string(view()); }
  operator std::string() const { return str(); }  // NOLINT: used like a string

  TMarks& operator+=(std::string_view s) {
    Assign(str() + std::string(s));
    return *this;
  }
  friend bool operator==(const TMarks& a, std::string_view b) { return a.view() == b; }
  friend bool operator==(const TMarks& a, const char* b) { return a.view() == b; }

 private:
  void Assign(std::string_view s) {
    if (s.empty()) {
      text_.reset();
      return;
    }
    auto p = std::make_unique<char[]>(s.size() + 1);
    std::memcpy(p.get(), s.data(), s.size());
    p[s.size()] = '\0';
    text_ = std::move(p);
  }
  std::unique_ptr<char[]> text_;
};

}  // namespace absence
