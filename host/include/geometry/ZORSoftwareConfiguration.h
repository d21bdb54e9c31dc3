#pragma once
// A geometric software configuration: the level of the modeller's algorithms that an operation
// runs with. This host has one level of algorithms; a configuration is made fresh for an
// operation and released afterwards, so that operations do not share one.

#include "ZORVar.h"

class ZORSoftwareConfiguration : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORSoftwareConfiguration, ZORBaseUnknown, ZORMetaObject::Implementation,
                    "Geometry")

  //! The level of the host's current algorithms.
  static constexpr int kCurrentLevel = 1;

  ZORSoftwareConfiguration() = default;

  //! The algorithms' level this configuration asks for.
  int GetLevel() const { return level_; }

 private:
  int level_ = kCurrentLevel;
};

using ZORSoftwareConfiguration_var = ZORVar<ZORSoftwareConfiguration>;
