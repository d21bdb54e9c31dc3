#include "ZORModifyVisProperties.h"

namespace {

// The value of the property the event is about.
std::string ValueOf(ZORVisPropertyType type, const ZORVisPropertiesValues& values) {
  switch (type) {
    case ZORVPOpacity:
      return "opacity=" + std::to_string(values.GetOpacity());
    case ZORVPShow:
      return "show=" + std::to_string(values.GetShow());
    case ZORVPPick:
      return "pick=" + std::to_string(values.GetPick());
    case ZORVPColor: {
      int r = 0, g = 0, b = 0;
      values.GetColor(r, g, b);
      return "color=" + std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
    }
  }
  return "value=?";
}

}  // namespace

std::string ZORModifyVisProperties::Details() const {
  return "path=" + path_.Describe() + " flag=" + std::to_string(flag_) +
         " type=" + std::to_string(type_) + " " + ValueOf(type_, values_);
}
