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

void ZORHostTranscript::Print(const std::string& text) {
  std::fputs(text.c_str(), out_);
}

void ZORHostTranscript::Step(const std::string& what) {
  Print("\n" + std::to_string(++steps_) + ". " + what + "\n");
}

void ZORHostTranscript::Screen() {
  for (const ZORShownMessage& m : driver_.DrainMessages()) {
    char style[16];
    std::snprintf(style, sizeof(style), "0x%08lx", m.style);
    Print("   message " + m.name.str() + " (" + m.className.str() + ", style " + style +
          (m.blocking ? ", answered " + std::to_string(m.answer) : std::string()) + ")\n");
    Print("     title: " + m.title.str() + "\n");
    Print("     text:  " + OneLine(m.text.str()) + "\n");
  }
  const std::string panels = driver_.DescribePanels();
  Print(panels.empty() ? "   no panel open\n" : "   open panels:\n" + Indent(panels, "     "));
}

void ZORHostTranscript::Document() {
  Print("   document:\n" + Indent(driver_.DumpDocument(), "     "));
}
