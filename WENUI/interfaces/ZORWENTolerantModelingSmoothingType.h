#pragma once
//! \file ZORWENTolerantModelingSmoothingType.h
//! How a result is smoothed: not at all, with tangent (G1) or curvature (G2) continuity.

//! The smoothing types; the values are those the features store.
enum ZORWENTolerantModelingSmoothingType {
  ZORWENTMNoSmoothing = 0,  //!< no smoothing
  ZORWENTMG1Smoothing = 2,  //!< tangent continuity
  ZORWENTMG2Smoothing = 3   //!< curvature continuity
};
