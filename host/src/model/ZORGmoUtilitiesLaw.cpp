#include "ZORGmoUtilitiesLaw.h"

#include "ZORCkeNumbersDisplay.h"
#include "ZORCkeTypeDictionary.h"

ZORLaw_var ZORGmoUtilitiesLaw::ComputeZORLaw(ZORGeoFactory*, const ZORICkeLaw_var& law,
                                             ZORWENBasicLawType type, const ZORICkeParm_var& start,
                                             const ZORICkeParm_var& end, int inversion) {
  ZORLaw_var result;
  switch (type) {
    case ZORWENConstantLaw:
      if (start) result = ZORLaw::MakeConstant(start->GetStoredValue());
      break;
    case ZORWENLinearLaw:
      if (start && end) result = ZORLaw::MakeLinear(start->GetStoredValue(), end->GetStoredValue());
      break;
    case ZORWENSTypeLaw:
      if (start && end) result = ZORLaw::MakeSType(start->GetStoredValue(), end->GetStoredValue());
      break;
    case ZORWENAdvancedLaw:
      if (law) result = law->GetEvaluableLaw();
      break;
    case ZORWENImplicitLaw:
      break;
  }
  return inversion ? ZORLaw::MakeInverted(result) : result;
}

ZORUnicodeString ZORGmoUtilitiesLaw::GetLengthInCurrentUnit(double value) {
  const ZORCkeType& length = ZORCkeTypeDictionary::GetLengthType();
  return ZORCkeNumbersDisplay::DoubleToString(value, ZORString(length.GetStorageUnit().c_str()),
                                              ZORCkeNumbersDisplay::kMicroMode);
}

ZORUnicodeString ZORGmoUtilitiesLaw::GetAngleInCurrentUnit(double value) {
  const ZORCkeType& angle = ZORCkeTypeDictionary::GetAngleType();
  return ZORCkeNumbersDisplay::DoubleToString(value, ZORString(angle.GetStorageUnit().c_str()),
                                              ZORCkeNumbersDisplay::kMicroMode);
}
