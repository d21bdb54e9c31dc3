#pragma once
// The statements a scenario may hold and the arguments each takes. A form is a keyword and a
// pattern of arguments, each "LABEL:kind" with an optional "?" (may be left out) or "*" (any
// number) after the kind. Kinds: name (any word), text (any word, usually quoted), num (a
// number), int (a whole number), onoff ("on" or "off").
//
// Checking a statement against its form is all the reader does beyond splitting words, so that
// a malformed script is refused before any of it runs.

#include <string>
#include <string_view>
#include <vector>

class ZORScenarioSyntax {
 public:
  struct Form {
    std::string keyword;
    std::string pattern;
    std::string summary;  // one line for --help
  };

  // The statements zorhost runs.
  static const ZORScenarioSyntax& Standard();

  explicit ZORScenarioSyntax(std::vector<Form> forms) : forms_(std::move(forms)) {}

  // The form whose keyword starts `words`, the longest one; null when none.
  const Form* Match(const std::vector<std::string_view>& words) const;
  // Why `args` do not fit `form`; empty when they do.
  static std::string Check(const Form& form, const std::vector<std::string>& args);
  // "keyword ARG [OPTIONAL] [REPEATED...]".
  static std::string Usage(const Form& form);
  const std::vector<Form>& Forms() const { return forms_; }

 private:
  std::vector<Form> forms_;
};
