// libFuzzer target: the scenario reader on any bytes must neither crash nor break its promises.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ZORScenarioReaderProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string why =
      ZORScenarioReaderProperties::Violation({reinterpret_cast<const char*>(data), size});
  if (!why.empty()) {
    std::fprintf(stderr, "scenario reader: %s\n", why.c_str());
    std::abort();
  }
  return 0;
}
