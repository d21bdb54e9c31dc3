#pragma once
// What a feature does with its inputs. A feature of type 1 modifies its main input (it works
// on an element and stands for its changed copy); type 0 creates a new element from its inputs.

#include "ZORListValZORBaseUnknown_var.h"
#include "ZORVar.h"

class ZORIInputDescription : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIInputDescription)

  virtual HRESULT GetFeatureType(int& type) = 0;
  // The inputs that are set, in the order of the feature type's roles.
  virtual HRESULT GetListOfInputs(ZORListValZORBaseUnknown_var& inputs) = 0;
  // The first input that is set; E_FAIL (and null) when none is.
  virtual HRESULT GetMainInput(ZORBaseUnknown_var& input) = 0;
};

ZOR_DEFINE_IID(ZORIInputDescription);
using ZORIInputDescription_var = ZORVar<ZORIInputDescription>;
