#pragma once
// What a settings object tells about one of its settings besides its value.

class ZORSettingInfo {
 public:
  // Non-zero when an administrator locked the setting: users may not change it.
  int IsLockedSetting() const { return locked_ ? 1 : 0; }
  void SetLocked(bool locked) { locked_ = locked; }

 private:
  bool locked_ = false;
};
