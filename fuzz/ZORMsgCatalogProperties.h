#pragma once
// What the message-catalog reader promises for any text, checked by its fuzz target and by the
// regression test that replays the inputs the fuzzer once broke it with:
//  - keys are never empty, never start with "#", hold no "=" and no line break, and carry no
//    blank at either end;
//  - every problem names a line of the text, in line order, and reading without asking for
//    problems gives the same entries;
//  - the entries, written back as a catalog, read back the same;
//  - substituting leaves a text alone without parameters, and when each "{n}" stands for
//    itself.
// The first byte of a fuzz input chooses how many parameters the substitution is given; the rest
// is the catalog.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ZORMsgCatalog.h"

class ZORMsgCatalogProperties {
 public:
  // The first promise `input` breaks, described; empty when it keeps them all.
  static std::string Violation(std::string_view input) {
    if (input.empty()) return "";
    const int paramCount = static_cast<unsigned char>(input.front()) % 12;
    const std::string_view text = input.substr(1);
    std::vector<std::string> problems;
    const ZORMsgCatalog::Entries entries = ZORMsgCatalog::Parse(text, &problems);
    if (std::string why = CheckKeys(entries); !why.empty()) return why;
    if (std::string why = CheckProblems(problems, text); !why.empty()) return why;
    if (ZORMsgCatalog::Parse(text) != entries) return "asking for problems changes the entries";
    if (ZORMsgCatalog::Parse(Written(entries)) != entries) return "entries do not read back";
    return CheckSubstitution(entries, paramCount);
  }

 private:
  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

  static std::string CheckKeys(const ZORMsgCatalog::Entries& entries) {
    for (const auto& [key, text] : entries) {
      if (key.empty()) return "an empty key";
      if (key.front() == '#' || IsBlank(key.front()) || IsBlank(key.back())) {
        return "a key with a comment sign or a blank at an end: '" + key + "'";
      }
      if (key.find_first_of("=\n") != std::string::npos) return "a key across '=' or lines";
    }
    return "";
  }

  // Each "line N: ..." with N increasing and within the text.
  static std::string CheckProblems(const std::vector<std::string>& problems,
                                   std::string_view text) {
    const long lines = static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1;
    long previous = 0;
    for (const std::string& problem : problems) {
      if (problem.rfind("line ", 0) != 0) return "a problem without its line: " + problem;
      std::size_t i = 5;
      long number = 0;
      for (; i < problem.size() && problem[i] >= '0' && problem[i] <= '9' && number <= lines; ++i) {
        number = number * 10 + (problem[i] - '0');
      }
      if (number <= previous || number > lines || problem.compare(i, 1, ":") != 0) {
        return "a problem names a wrong line: " + problem;
      }
      previous = number;
    }
    return "";
  }

  // A text as a catalog writes it: what reading would trim or unescape is escaped.
  static std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
      if (c == '\n') {
        out += "\\n";
      } else if (c == '\t') {
        out += "\\t";
      } else {
        if (c == '\\' || c == ' ' || c == '\r') out += '\\';
        out += c;
      }
    }
    return out;
  }

  static std::string Written(const ZORMsgCatalog::Entries& entries) {
    std::string text;
    for (const auto& [key, value] : entries) text += key + " = " + Escaped(value) + "\n";
    return text;
  }

  static std::string CheckSubstitution(const ZORMsgCatalog::Entries& entries, int paramCount) {
    std::vector<ZORUnicodeString> params;
    std::vector<ZORUnicodeString> themselves;
    for (int n = 1; n <= paramCount; ++n) {
      params.emplace_back("<" + std::to_string(n) + ">");
      themselves.emplace_back("{" + std::to_string(n) + "}");
    }
    for (const auto& [key, text] : entries) {
      if (ZORMsgCatalog::Substitute(text, nullptr, 0) != text) return key + ": changed, no param";
      if (ZORMsgCatalog::Substitute(text, themselves.data(), paramCount) != text) {
        return key + ": changed by parameters that stand for themselves";
      }
      const std::string substituted = ZORMsgCatalog::Substitute(text, params.data(), paramCount);
      if (text.find('{') == std::string::npos && substituted != text) {
        return key + ": changed without a placeholder";
      }
    }
    return "";
  }
};
