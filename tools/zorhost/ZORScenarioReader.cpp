#include "ZORScenarioReader.h"

#include <cctype>
#include <sstream>

namespace {

bool IsBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Reads a quoted word starting after its opening quote at `i`; false when it does not end.
bool ReadQuoted(std::string_view line, std::size_t& i, std::string& text) {
  for (; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      ++i;
      return true;
    }
    if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) ++i;
    text += line[i];
  }
  return false;
}

}  // namespace

bool ZORScenarioReader::Split(std::string_view line, std::vector<Word>& words,
                              std::string& problem) {
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size() || line[i] == '#') return true;
    Word word;
    if (line[i] == '"') {
      ++i;
      word.quoted = true;
      if (!ReadQuoted(line, i, word.text)) {
        problem = "a quoted text does not end on its line";
        return false;
      }
    } else {
      while (i < line.size() && !IsBlank(line[i]) && line[i] != '"') word.text += line[i++];
    }
    if (i < line.size() && !IsBlank(line[i])) {
      problem = "a quote must stand apart from the words beside it";
      return false;
    }
    words.push_back(std::move(word));
  }
}

bool ZORScenarioReader::Parse(const std::vector<Word>& words, ZORScenarioStatement& statement,
                              std::string& problem) const {
  // A keyword is made of plain words only: a quoted "tree" is a name.
  std::vector<std::string_view> plain;
  for (const Word& w : words) {
    if (w.quoted) break;
    plain.push_back(w.text);
  }
  const ZORScenarioSyntax::Form* form = syntax_.Match(plain);
  if (!form) {
    problem = "unknown statement '" + words.front().text + "'";
    return false;
  }
  statement.keyword = form->keyword;
  std::istringstream keywordWords(form->keyword);
  std::size_t skip = 0;
  for (std::string w; keywordWords >> w;) ++skip;
  for (std::size_t i = skip; i < words.size(); ++i) statement.args.push_back(words[i].text);
  problem = ZORScenarioSyntax::Check(*form, statement.args);
  if (!problem.empty()) problem = form->keyword + ": " + problem;
  return problem.empty();
}

ZORScenarioReader::Result ZORScenarioReader::Read(std::string_view text,
                                                  const std::string& file) const {
  Result result;
  int number = 0;
  while (!text.empty() || number == 0) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    if (line.ends_with('\r')) line.remove_suffix(1);
    std::vector<Word> words;
    std::string problem;
    ZORScenarioStatement statement{file, number, "", {}};
    if (Split(line, words, problem) && (words.empty() || Parse(words, statement, problem))) {
      if (!words.empty()) result.statements.push_back(std::move(statement));
      continue;
    }
    result.problems.push_back(file + ":" + std::to_string(number) + ": " + problem);
  }
  return result;
}
