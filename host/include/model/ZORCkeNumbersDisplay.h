#pragma once
// How knowledge values are written for a user and read back from what a user types.
//
// Display modes: kRoundedMode (2) writes at most three decimals and drops trailing zeros
// ("12.346mm", "12.5mm", "10mm"); kTwoDecimalsMode (1) always writes two ("0.50mm",
// "10.00deg"); kMicroMode (3) writes at most six decimals and drops trailing zeros, as editors
// with spinners show values ("0.000125mm"). A value that rounds to zero is written without a
// minus sign.

#include <string>

#include "ZORICkeParm.h"
#include "ZORString.h"
#include "ZORUnicodeString.h"

class ZORCkeNumbersDisplay {
 public:
  static constexpr int kTwoDecimalsMode = 1;
  static constexpr int kRoundedMode = 2;
  static constexpr int kMicroMode = 3;

  //! `value` written in `mode` followed by `unit`; empty for NaN, infinity or an unknown mode.
  static ZORUnicodeString DoubleToString(double value, const ZORString& unit, int mode);
  //! The parameter's value as a user sees it, rounded with its storage unit ("12.5mm"); empty
  //! for a null parameter.
  static ZORUnicodeString ParmToString(ZORICkeParm* parameter);
  //! Reads a typed value of the type `magnitude`: a finite number, optionally followed by the
  //! type's storage unit. False, leaving `value`, for anything else (a unit of another type).
  static bool StringToDouble(const std::string& text, const ZORString& magnitude, double& value);
};
