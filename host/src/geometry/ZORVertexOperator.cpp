#include "ZORVertexOperator.h"

#include <cmath>

HRESULT ZORVertexOperator::Run() {
  const bool finite =
      std::isfinite(point_.GetX()) && std::isfinite(point_.GetY()) && std::isfinite(point_.GetZ());
  result_ = factory_ && finite ? factory_->CreatePoint(point_) : nullptr;
  return result_ ? S_OK : E_FAIL;
}
