#include "ZORSvgText.h"

#include <cmath>
#include <cstdio>

std::string ZORSvgText::Number(double value) {
  char text[32];
  std::snprintf(text, sizeof(text), "%.1f", std::abs(value) < 0.05 ? 0.0 : value);
  return text;
}

std::string ZORSvgText::Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"') {
      out += "&quot;";
    } else {
      out += c;
    }
  }
  return out;
}
