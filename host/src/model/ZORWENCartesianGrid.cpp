#include "ZORWENCartesianGrid.h"

#include <cmath>

#include "ZORCkeParmFactory.h"

ZORWENCartesianGrid::ZORWENCartesianGrid(double firstSpacing, double secondSpacing,
                                         int firstGraduations, int secondGraduations,
                                         const ZORISpecObject_var& reference)
    : graduations_{firstGraduations, secondGraduations}, reference_(reference) {
  ZORCkeParmFactory volatileParameters(nullptr);
  const double spacings[] = {firstSpacing, secondSpacing};
  const char* const names[] = {"Spacing1", "Spacing2"};
  for (int i = 0; i < 2; ++i) {
    const double spacing = std::isfinite(spacings[i]) ? spacings[i] : 0.0;
    spacings_[i] = volatileParameters.CreateLength(ZORUnicodeString(names[i]), spacing);
  }
}

HRESULT ZORWENCartesianGrid::GetSpacings(ZORICkeParm_var& first, ZORICkeParm_var& second) {
  first = spacings_[0];
  second = spacings_[1];
  return first && second ? S_OK : E_FAIL;
}

HRESULT ZORWENCartesianGrid::GetGraduations(int& first, int& second) {
  first = graduations_[0];
  second = graduations_[1];
  return S_OK;
}
