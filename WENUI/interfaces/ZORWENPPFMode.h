#pragma once
//! \file ZORWENPPFMode.h
//! How a planar positioning frame asks for the two axis systems.

//! The order of the positioning steps.
enum ZORWENPPFMode : int {
  //! First origin, main direction, second origin, second direction.
  ZORWENPPFMode1 = 1,
  //! The second origin first; the first system only while the parameters are shown.
  ZORWENPPFMode2 = 2
};
