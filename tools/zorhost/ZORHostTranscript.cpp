#include "ZORHostTranscript.h"

#include <sstream>

namespace {

std::string Indent(const std::string& text, const char* prefix) {
  std::istringstream lines(text);
  std::string out;
  for (std::string line; std::getline(lines, line);) out += prefix + line + "\n";
  return out;
}

std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n') c = '|';
  }
  return text;
}

}  // namespace

std::string ZORHostTranscript::Quote(const std::string& text) {
  if (!text.empty() && text.find_first_of(" \t\"\\#") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

void ZORHostTranscript::Print(const std::string& text) {
  std::fputs(text.c_str(), out_);
}

void ZORHostTranscript::Statement(const ZORScenarioStatement& statement) {
  std::string line = "> " + statement.keyword;
  for (const std::string& arg : statement.args) line += " " + Quote(arg);
  Print(line + "\n");
}

void ZORHostTranscript::Step(const std::string& title) {
  Print("\n" + std::to_string(++steps_) + ". " + title + "\n");
}

void ZORHostTranscript::Note(const std::string& text) {
  Print("   " + text + "\n");
}

void ZORHostTranscript::Block(const std::string& heading, const std::string& text) {
  Note(heading);
  Print(text.empty() ? "     (none)\n" : Indent(text, "     "));
}

void ZORHostTranscript::Messages(const std::vector<ZORShownMessage>& messages) {
  for (const ZORShownMessage& m : messages) {
    char style[16];
    std::snprintf(style, sizeof(style), "0x%08lx", m.style);
    Note("message " + m.name.str() + " (" + m.className.str() + ", style " + style +
         (m.blocking ? ", answered " + std::to_string(m.answer) : std::string()) + ")");
    Note("  title: " + m.title.str());
    Note("  text:  " + OneLine(m.text.str()));
  }
}
