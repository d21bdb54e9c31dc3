#pragma once
// The integrated-law interface of "WENIntegratedLaw" features; the type is registered with it.
// Its start and end values are its inputs "Start" and "End", its law feature the input "Law",
// its support the input "Support", its implicit points and their parameters the inputs
// "Point1", "Value1", "Point2" ...; its law type, inversion and interpolation are the values
// "LawType", "Inverted" and "Interpolation". It has no geometry; an advanced law without law
// feature fails its update.

#include "ZORBaseExtension.h"
#include "ZORFeature.h"
#include "ZORIWENIntegratedLaw.h"

class ZORWENIntegratedLawExt : public ZORBaseExtension, public ZORIWENIntegratedLaw {
  ZOR_DECLARE_CLASS(ZORWENIntegratedLawExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "Geometry")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIWENIntegratedLaw)

  static constexpr const char* kTypeName = "WENIntegratedLaw";

  ZORWENIntegratedLawExt() = default;

  ZORLaw_var GetEvaluableLaw() override;
  ZORWENBasicLawType GetLawType() override;
  HRESULT SetLawType(ZORWENBasicLawType type) override;
  int GetInversion() override;
  HRESULT SetInversion(int inversion) override;
  ZORICkeLaw_var GetAdvancedLaw() override;
  HRESULT SetAdvancedLaw(const ZORICkeLaw_var& law) override;
  HRESULT GetLiterals(ZORICkeParm_var& start, ZORICkeParm_var& end) override;
  int GetInterpolationMode() override;
  HRESULT SetInterpolationMode(int mode) override;
  HRESULT GetImplicitLawPoints(ZORListValZORISpecObject_var& points,
                               ZORListValZORISpecObject_var& parameters) override;
  HRESULT AddImplicitLawPoint(const ZORISpecObject_var& point, double value) override;
  HRESULT RemoveImplicitLawPoint(int index) override;
  ZORISpecObject_var GetSupport() override;
  HRESULT SetSupport(const ZORISpecObject_var& support) override;

 private:
  ZORFeature* Law() const { return ZORFeature::From(GetExtendedObject()); }
  ZORLaw_var ImplicitLaw();
};
