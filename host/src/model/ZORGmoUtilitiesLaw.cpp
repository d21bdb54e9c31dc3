#include "ZORGmoUtilitiesLaw.h"

#include <algorithm>
#include <numeric>

#include "ZORCkeNumbersDisplay.h"
#include "ZORCkeTypeDictionary.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORWire.h"

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

HRESULT ZORGmoUtilitiesLaw::GetImplicitLawPositions(const ZORIWENIntegratedLaw_var& law,
                                                    std::vector<double>& positions) {
  positions.clear();
  if (!law) return E_FAIL;
  const ZORBody_var support =
      ZORGmoUtilitiesBody::GetFirstBody(ZORBaseUnknown_var(law->GetSupport().get()));
  const ZORWire_var wire = support ? ZORWire::FromBody(*support) : nullptr;
  const double length = wire ? wire->GetLength() : 0.0;
  ZORListValZORISpecObject_var points, parameters;
  if (!(length > 0.0) || FAILED(law->GetImplicitLawPoints(points, parameters))) return E_FAIL;
  for (const ZORISpecObject_var& point : points) {
    const ZORBody_var body = ZORGmoUtilitiesBody::GetFirstBody(ZORBaseUnknown_var(point.get()));
    if (!body || body->GetHighestDimension() != 0 || body->GetVertices().empty()) {
      positions.clear();
      return E_FAIL;
    }
    positions.push_back(std::clamp(wire->LengthTo(body->GetVertices().front()) / length, 0.0, 1.0));
  }
  return S_OK;
}

HRESULT ZORGmoUtilitiesLaw::GetImplicitLawMappingList(const ZORIWENIntegratedLaw_var& law,
                                                      ZORRawCollint& mapping) {
  mapping.RemoveAll();
  ZORListValZORISpecObject_var points, parameters;
  if (!law || FAILED(law->GetImplicitLawPoints(points, parameters))) return E_FAIL;
  std::vector<int> order(static_cast<std::size_t>(points.Size()));
  std::iota(order.begin(), order.end(), 1);
  std::vector<double> positions;
  if (SUCCEEDED(GetImplicitLawPositions(law, positions))) {
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      return positions[static_cast<std::size_t>(a - 1)] <
             positions[static_cast<std::size_t>(b - 1)];
    });
  }
  for (int index : order) mapping.Append(index);
  return S_OK;
}

HRESULT ZORGmoUtilitiesLaw::SortAccordingToMappingList(ZORListValZORISpecObject_var& list,
                                                       const ZORRawCollint& mapping) {
  if (mapping.Size() != list.Size()) return E_FAIL;
  std::vector<bool> seen(static_cast<std::size_t>(list.Size()) + 1, false);
  for (int index : mapping) {
    if (index < 1 || index > list.Size() || seen[static_cast<std::size_t>(index)]) return E_FAIL;
    seen[static_cast<std::size_t>(index)] = true;
  }
  ZORListValZORISpecObject_var sorted;
  for (int index : mapping) sorted.Append(list[index]);
  list = sorted;
  return S_OK;
}
