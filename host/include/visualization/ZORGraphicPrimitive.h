#pragma once
// A drawing instruction held by a custom representation: a marker, a line, a text. Plain
// objects owned by the representation that holds them.

#include <string>

class ZORGraphicPrimitive {
 public:
  virtual ~ZORGraphicPrimitive() = default;
  // What is drawn, on one line ("marker(1,2,3 symbol=5)").
  virtual std::string Describe() const = 0;
};
