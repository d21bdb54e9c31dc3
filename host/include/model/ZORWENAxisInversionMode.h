#pragma once
//! \file ZORWENAxisInversionMode.h
//! Which axes of a positioning axis system are reversed: none, Y, X or both. The values are
//! those a position transformation stores.

//! The axes of an axis system that are reversed.
enum ZORWENAxisInversionMode : int {
  ZORWENNoInversion = 0,    //!< Neither axis.
  ZORWENYInversion = 1,     //!< Y only.
  ZORWENXInversion = 2,     //!< X only.
  ZORWENXAndYInversion = 3  //!< Both.
};

//! The mode after reversing X (`x` true) or Y once more.
constexpr ZORWENAxisInversionMode ZORWENToggleInversion(ZORWENAxisInversionMode mode, bool x) {
  return static_cast<ZORWENAxisInversionMode>(static_cast<int>(mode) ^ (x ? 2 : 1));
}
