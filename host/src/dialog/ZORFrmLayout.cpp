#include "ZORFrmLayout.h"

namespace {

std::unique_ptr<ZORFrmLayout>& Layout() {
  static std::unique_ptr<ZORFrmLayout> layout = std::make_unique<ZORFrmLayout>();
  return layout;
}

}  // namespace

ZORFrmLayout* ZORFrmLayout::GetCurrentLayout() {
  return Layout().get();
}

void ZORFrmLayout::Reset() {
  Layout() = std::make_unique<ZORFrmLayout>();
}
