#pragma once
// Interface and class identifiers: four 32-bit words, compared word by word.

#include <cstdint>
#include <string_view>

struct ZORGUID {
  std::uint32_t words[4] = {0, 0, 0, 0};

  friend constexpr bool operator==(const ZORGUID& a, const ZORGUID& b) {
    for (int i = 0; i < 4; ++i) {
      if (a.words[i] != b.words[i]) return false;
    }
    return true;
  }
};

using GUID = ZORGUID;
using IID = ZORGUID;
using CLSID = ZORGUID;

// Derives a stable identifier from a name, so that every interface and class gets one without a
// hand-kept table. Four FNV-1a passes with different offsets give the four words.
constexpr ZORGUID ZORMakeGUID(std::string_view name) {
  constexpr std::uint32_t kOffsets[4] = {0x811c9dc5u, 0x01000193u, 0x9e3779b9u, 0x7f4a7c15u};
  ZORGUID id;
  for (int w = 0; w < 4; ++w) {
    std::uint32_t h = kOffsets[w];
    for (char c : name) {
      h ^= static_cast<unsigned char>(c);
      h *= 0x01000193u;
    }
    h ^= static_cast<std::uint32_t>(w + 1) * 0x85ebca6bu;
    h *= 0xc2b2ae35u;
    id.words[w] = h ^ (h >> 16);
  }
  return id;
}
