#pragma once
// The direction interface of "WENDirection" features; the type itself is registered with it.
// Its component parameters are its inputs "X", "Y" and "Z", its element the input "Element",
// its reference axis system the input "Axis". Defined by an element, it keeps the components
// it had then ("EX", "EY", "EZ"): a component changed since means it is defined by components.

#include <optional>

#include "ZORBaseExtension.h"
#include "ZORFeature.h"
#include "ZORIWENDirection.h"
#include "ZORMathVector.h"

class ZORWENDirectionExt : public ZORBaseExtension, public ZORIWENDirection {
  ZOR_DECLARE_CLASS(ZORWENDirectionExt, ZORBaseExtension, ZORMetaObject::DataExtension, "Geometry")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIWENDirection)

  static constexpr const char* kTypeName = "WENDirection";

  ZORWENDirectionExt() = default;

  bool IsDefinedByComponents() override;
  bool HasComponents() override;
  HRESULT GetComponents(double& x, double& y, double& z) override;
  HRESULT SetComponents(double x, double y, double z) override;
  ZORISpecObject_var GetElement() override;
  HRESULT SetElement(const ZORISpecObject_var& element) override;
  HRESULT GetComponentParameters(ZORICkeParm_var& x, ZORICkeParm_var& y,
                                 ZORICkeParm_var& z) override;
  ZORISpecObject_var GetReferenceAxisSystem() override;
  HRESULT SetReferenceAxisSystem(const ZORISpecObject_var& axis) override;

  //! Whether `direction` (a "WENDirection") is defined by components.
  static bool ByComponents(const ZORFeature& direction);
  //! The components of `direction` in its reference axis system.
  static ZORMathVector Components(const ZORFeature& direction);

 private:
  ZORFeature* Direction() const { return ZORFeature::From(GetExtendedObject()); }
  // Makes the component parameters when they are missing; false when they cannot be made.
  bool EnsureParameters();
};
