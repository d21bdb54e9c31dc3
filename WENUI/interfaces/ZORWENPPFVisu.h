#pragma once
//! \file ZORWENPPFVisu.h
//! The layout variant of a planar positioning frame's panel part.

//! Which parts the panel shows.
enum ZORWENPPFVisu : int {
  //! No second-origin frame nor swap buttons.
  ZORWENPPFVisuNone = 0,
  //! The same, a variant kept for commands.
  ZORWENPPFVisu1 = 1,
  //! With the second origin at the top and the swap buttons.
  ZORWENPPFVisu2 = 2,
  //! As 2; adopting a transformation also shows the parameters.
  ZORWENPPFVisu3 = 3
};
