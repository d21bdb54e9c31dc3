#pragma once
// Reads a scenario script into statements. One statement per line; blank lines and everything
// from a "#" that starts a word are ignored; words are separated by blanks, and a word in double
// quotes may hold blanks (\" and \\ stand for a quote and a backslash). Every statement is
// checked against its form, so that a malformed script is refused as a whole, each problem
// named by file and line. The reader never touches the host.

#include <string>
#include <string_view>
#include <vector>

#include "ZORScenarioStatement.h"
#include "ZORScenarioSyntax.h"

class ZORScenarioReader {
 public:
  struct Result {
    std::vector<ZORScenarioStatement> statements;
    std::vector<std::string> problems;  // "FILE:LINE: what is wrong"
    bool Ok() const { return problems.empty(); }
  };

  explicit ZORScenarioReader(const ZORScenarioSyntax& syntax = ZORScenarioSyntax::Standard())
      : syntax_(syntax) {}

  Result Read(std::string_view text, const std::string& file) const;

 private:
  struct Word {
    std::string text;
    bool quoted = false;
  };
  // The words of one line; false with `problem` set when the line cannot be split.
  static bool Split(std::string_view line, std::vector<Word>& words, std::string& problem);
  // The statement of a line's words; false with `problem` set when it is not one.
  bool Parse(const std::vector<Word>& words, ZORScenarioStatement& statement,
             std::string& problem) const;

  const ZORScenarioSyntax& syntax_;
};
