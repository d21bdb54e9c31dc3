#pragma once
// The knowledge type dictionary: the magnitudes a parameter can have, each with the unit its
// values are stored and shown in. A parameter's magnitude is the name of its type, so callers
// compare a parameter's GetMagnitude() with GetLengthType().GetName().

#include <string>

#include "ZORString.h"

class ZORCkeType {
 public:
  ZORCkeType(const char* name, const char* unit) : name_(name), unit_(unit) {}
  //! The magnitude's name, as parameters report it ("Longueur", "Angle", "Real").
  ZORString GetName() const { return ZORString(name_); }
  //! The unit values are stored in: "mm" for lengths, "deg" for angles, none for reals.
  const std::string& GetStorageUnit() const { return unit_; }

 private:
  std::string name_;
  std::string unit_;
};

class ZORCkeTypeDictionary {
 public:
  //! The length type, "Longueur" (mm).
  static const ZORCkeType& GetLengthType();
  //! The angle type, "Angle" (deg).
  static const ZORCkeType& GetAngleType();
  //! The real type, "Real" (no unit).
  static const ZORCkeType& GetRealType();
  //! The type named `magnitude`; null for a magnitude the dictionary does not know.
  static const ZORCkeType* FindType(const ZORString& magnitude);
};
