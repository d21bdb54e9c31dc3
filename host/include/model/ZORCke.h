#pragma once
// Knowledge value types shared by parameters and their editors.

struct ZORCke {
  // A knowledge boolean, as parameters give their flags (activation ...).
  using Boolean = unsigned char;
  static constexpr Boolean True = 1;
  static constexpr Boolean False = 0;
};
