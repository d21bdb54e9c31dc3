#pragma once
// Spreads every bit of `bits` over the whole word (the 64-bit finaliser of MurmurHash3). Tables
// that keep the low bits of a hash need it for addresses: objects of one size made in a row
// share their low bits, and would all land in a few runs of slots.

#include <cstdint>

constexpr std::uint64_t ZORMixBits(std::uint64_t bits) {
  bits ^= bits >> 33;
  bits *= 0xFF51AFD7ED558CCDULL;
  bits ^= bits >> 33;
  bits *= 0xC4CEB9FE1A85EC53ULL;
  bits ^= bits >> 33;
  return bits;
}
