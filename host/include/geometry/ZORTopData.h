#pragma once
// The topological data an operation builds with: its own software configuration, made fresh
// when the data is made and kept as long as it lives.

#include "ZORSoftwareConfiguration.h"

class ZORTopData {
 public:
  ZORTopData() : configuration_(ZORMake<ZORSoftwareConfiguration>()) {}

  //! Its own software configuration.
  ZORSoftwareConfiguration* GetSoftwareConfiguration() const { return configuration_.get(); }

 private:
  ZORSoftwareConfiguration_var configuration_;
};
