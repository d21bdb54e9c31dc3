#pragma once
// Text values of the host. ZORString holds identifiers and resource keys, ZORUnicodeString holds
// texts shown to the user (UTF-8). They share one implementation and convert only explicitly.

#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

template <class Tag>
class ZORText {
 public:
  ZORText() = default;
  ZORText(const char* s) : s_(s ? s : "") {}    // NOLINT(google-explicit-constructor)
  ZORText(std::string s) : s_(std::move(s)) {}  // NOLINT(google-explicit-constructor)
  ZORText(std::string_view s) : s_(s) {}        // NOLINT(google-explicit-constructor)
  template <class OtherTag>
  explicit ZORText(const ZORText<OtherTag>& other) : s_(other.str()) {}

  const std::string& str() const { return s_; }
  const char* c_str() const { return s_.c_str(); }
  const char* CastToCharPtr() const { return s_.c_str(); }
  int GetLengthInChar() const { return static_cast<int>(s_.size()); }
  bool IsEmpty() const { return s_.empty(); }

  ZORText& Append(const ZORText& other) {
    s_ += other.s_;
    return *this;
  }
  ZORText& operator+=(const ZORText& other) { return Append(other); }
  friend ZORText operator+(ZORText a, const ZORText& b) { return a.Append(b); }
  friend ZORText operator+(ZORText a, const char* b) { return a.Append(ZORText(b)); }
  friend ZORText operator+(const char* a, const ZORText& b) { return ZORText(a).Append(b); }

  friend bool operator==(const ZORText& a, const ZORText& b) { return a.s_ == b.s_; }
  friend bool operator==(const ZORText& a, const char* b) { return a.s_ == (b ? b : ""); }
  friend auto operator<=>(const ZORText& a, const ZORText& b) { return a.s_ <=> b.s_; }
  friend std::ostream& operator<<(std::ostream& os, const ZORText& t) { return os << t.s_; }

  // Replaces every occurrence of `from` by `to`; answers how many were replaced.
  int ReplaceAll(std::string_view from, std::string_view to) {
    if (from.empty()) return 0;
    int count = 0;
    for (std::size_t pos = s_.find(from); pos != std::string::npos;
         pos = s_.find(from, pos + to.size())) {
      s_.replace(pos, from.size(), to);
      ++count;
    }
    return count;
  }

  // printf-style construction ("%d", "%g" ...).
  template <class... Args>
  static ZORText Format(const char* format, Args... args) {
    const int n = std::snprintf(nullptr, 0, format, args...);
    if (n <= 0) return ZORText();
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), format, args...);
    out.resize(static_cast<std::size_t>(n));
    return ZORText(std::move(out));
  }

 private:
  std::string s_;
};

template <class Tag>
struct std::hash<ZORText<Tag>> {
  std::size_t operator()(const ZORText<Tag>& t) const noexcept {
    return std::hash<std::string>()(t.str());
  }
};
