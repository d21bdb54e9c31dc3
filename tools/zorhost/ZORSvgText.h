#pragma once
// Texts of the SVG pictures the host program writes: numbers to one decimal (never "-0.0") and
// text escaped for both element content and attribute values.

#include <string>

class ZORSvgText {
 public:
  //! `value` to one decimal; values that round to zero are "0.0".
  static std::string Number(double value);
  //! `text` with &, <, > and " escaped.
  static std::string Escape(const std::string& text);
};
