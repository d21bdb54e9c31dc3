#pragma once
// How a value evolves from the start to the end of a support: the law types of the workbench.

enum ZORWENBasicLawType {
  ZORWENConstantLaw = 1,  // the start value all along
  ZORWENLinearLaw = 2,    // straight from the start value to the end value
  ZORWENSTypeLaw = 3,     // from start to end with zero slope at both ends
  ZORWENAdvancedLaw = 4,  // a law feature designated by the user
  ZORWENImplicitLaw = 5   // values given at points of the support, interpolated
};
