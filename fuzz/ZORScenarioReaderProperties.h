#pragma once
// What the scenario reader promises for any text, checked by its fuzz target and by the
// regression test that replays the inputs the fuzzer once broke it with:
//  - each line gives at most one statement or one problem, in line order, and the result is
//    Ok() exactly when no line had a problem;
//  - every problem names the file and a line of the text;
//  - every statement has a known keyword and arguments that fit its form;
//  - the statements, written back with every argument quoted, read back the same.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ZORScenarioReader.h"

class ZORScenarioReaderProperties {
 public:
  // The first promise `text` breaks, described; empty when it keeps them all.
  static std::string Violation(std::string_view text) {
    const ZORScenarioReader::Result result = ZORScenarioReader().Read(text, kFile);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (result.Ok() != result.problems.empty()) return "Ok() disagrees with the problems";
    if (result.statements.size() + result.problems.size() > static_cast<std::size_t>(lines)) {
      return "more statements and problems than lines";
    }
    for (const std::string& problem : result.problems) {
      if (!NamesALine(problem, lines)) return "a problem names no line of the text: " + problem;
    }
    if (std::string why = CheckStatements(result.statements, lines); !why.empty()) return why;
    return CheckRereading(result.statements);
  }

 private:
  static constexpr const char* kFile = "fuzz.zsc";

  // "fuzz.zsc:N: what" with 1 <= N <= lines.
  static bool NamesALine(const std::string& problem, int lines) {
    const std::string prefix = std::string(kFile) + ":";
    if (problem.rfind(prefix, 0) != 0) return false;
    std::size_t i = prefix.size();
    long number = 0;
    const std::size_t digits = i;
    for (; i < problem.size() && problem[i] >= '0' && problem[i] <= '9' && number <= lines; ++i) {
      number = number * 10 + (problem[i] - '0');
    }
    return i > digits && problem.compare(i, 2, ": ") == 0 && number >= 1 && number <= lines;
  }

  static const ZORScenarioSyntax::Form* FormOf(const std::string& keyword) {
    for (const ZORScenarioSyntax::Form& form : ZORScenarioSyntax::Standard().Forms()) {
      if (form.keyword == keyword) return &form;
    }
    return nullptr;
  }

  static std::string CheckStatements(const std::vector<ZORScenarioStatement>& statements,
                                     int lines) {
    int previous = 0;
    for (const ZORScenarioStatement& s : statements) {
      if (s.file != kFile || s.line <= previous || s.line > lines) {
        return "a statement stands at a wrong place: " + s.Where();
      }
      previous = s.line;
      const ZORScenarioSyntax::Form* form = FormOf(s.keyword);
      if (!form) return s.Where() + ": unknown keyword '" + s.keyword + "'";
      if (!ZORScenarioSyntax::Check(*form, s.args).empty()) {
        return s.Where() + ": arguments that do not fit '" + s.keyword + "'";
      }
    }
    return "";
  }

  // A statement as a script line, every argument quoted.
  static std::string Line(const ZORScenarioStatement& s) {
    std::string line = s.keyword;
    for (const std::string& arg : s.args) {
      line += " \"";
      for (const char c : arg) {
        if (c == '"' || c == '\\') line += '\\';
        line += c;
      }
      line += '"';
    }
    return line;
  }

  static std::string CheckRereading(const std::vector<ZORScenarioStatement>& statements) {
    std::string text;
    for (const ZORScenarioStatement& s : statements) text += Line(s) + "\n";
    const ZORScenarioReader::Result again = ZORScenarioReader().Read(text, kFile);
    if (!again.Ok()) return "a statement written back is refused: " + again.problems.front();
    if (again.statements.size() != statements.size()) return "a statement written back is lost";
    for (std::size_t i = 0; i < statements.size(); ++i) {
      if (again.statements[i].keyword != statements[i].keyword ||
          again.statements[i].args != statements[i].args) {
        return "a statement written back reads differently: " + Line(statements[i]);
      }
    }
    return "";
  }
};
