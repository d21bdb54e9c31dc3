// libFuzzer target: the message-catalog reader and its substitution on any bytes must neither crash
// nor break its promises.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ZORMsgCatalogProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string why =
      ZORMsgCatalogProperties::Violation({reinterpret_cast<const char*>(data), size});
  if (!why.empty()) {
    std::fprintf(stderr, "message catalog: %s\n", why.c_str());
    std::abort();
  }
  return 0;
}
