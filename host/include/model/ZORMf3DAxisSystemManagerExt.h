#pragma once
// The axis-system manager of a document's container ("ZORFeatCont"). It holds the current axis
// system feature; the feature type "AxisSystem" is registered with it.

#include "ZORBaseExtension.h"
#include "ZORFeature.h"
#include "ZORIMf3DAxisSystemManager.h"

class ZORMf3DAxisSystemManagerExt : public ZORBaseExtension, public ZORIMf3DAxisSystemManager {
  ZOR_DECLARE_CLASS(ZORMf3DAxisSystemManagerExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "Geometry")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIMf3DAxisSystemManager)

  static constexpr const char* kTypeName = "AxisSystem";

  ZORMf3DAxisSystemManagerExt() = default;

  ZORISpecObject_var GetCurrentAxisSystem() override;
  HRESULT SetCurrentAxisSystem(const ZORISpecObject_var& system) override;
  bool IsCurrentAxisSystemActive() override;
  HRESULT GetMathAxis(const ZORISpecObject_var& system, ZORMathAxis& axis) override;
  HRESULT ConvertPoint(const ZORMathAxis& axis, int flag, const double in[3],
                       double out[3]) override;
  HRESULT ConvertVector(const ZORMathAxis& axis, int flag, const double in[3],
                        double out[3]) override;

  //! The orthonormal axis an axis-system feature stands for; none for another feature or a
  //! degenerate one.
  static std::optional<ZORMathAxis> AxisOf(const ZORFeature* feature);

 private:
  // Whether `feature` is an axis system in the tree of this container's document.
  bool IsMine(const ZORFeature* feature) const;

  ZORFeature_var current_;
};
