#pragma once
// The workbench settings. Every getter reads the current value, so a change made by a test (or
// a user) is seen at the next read. The settings object may be absent: a host switch makes
// GetWENSettings answer null.
//
// Changing the work-on-support snap fires the settings event named WorkOnSupportMode() to the
// callbacks subscribed to it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ZORSettingInfo.h"
#include "ZORTypes.h"

class ZORWENSettings {
 public:
  using Callback = std::function<void()>;
  using CallbackId = std::uint64_t;  // 0 is no subscription

  static ZORWENSettings* GetWENSettings();
  // Host switch for tests: whether the settings object is there.
  static void SetAvailable(bool available);
  // Puts every value back to the host's default and drops the subscriptions (whose ids are not
  // given again).
  static void ResetToDefaults();

  int GetKeepMode() const { return keepMode_; }
  void SetKeepMode(int mode) { keepMode_ = mode; }
  int GetInterruptMode() const { return interruptMode_; }
  void SetInterruptMode(int mode) { interruptMode_ = mode; }
  int GetShapeDesignVersion() const { return shapeDesignVersion_; }
  void SetShapeDesignVersion(int version) { shapeDesignVersion_ = version; }

  // Name of the event fired when the work-on-support snap changes.
  static const char* WorkOnSupportMode() { return "WorkOnSupportMode"; }
  bool IsWorkOnSupportSnapOn() const { return snap_; }
  void SetWorkOnSupportSnap(bool on);

  double GetTMDeviationValue() const { return tmDeviation_; }
  void SetTMDeviationValue(double value) { tmDeviation_ = value; }
  // Fills `info` (whether the deviation is locked); E_FAIL without `info`.
  HRESULT GetInfoTMDeviation(ZORSettingInfo* info) const;
  void SetTMDeviationLocked(bool locked) { tmDeviationInfo_.SetLocked(locked); }
  double GetTMMergingDistanceValue() const { return tmMergingDistance_; }
  void SetTMMergingDistanceValue(double value) { tmMergingDistance_ = value; }

  int GetAxisLineVisuOption() const { return axisLineVisuOption_; }
  void SetAxisLineVisuOption(int option) { axisLineVisuOption_ = option; }

  // Subscribes `callback` to the settings event `event`; answers 0 for an empty callback.
  CallbackId AddCallback(const std::string& event, Callback callback);
  // Ends a subscription; an id that is no longer subscribed (or 0) is ignored.
  void RemoveCallback(CallbackId id);
  int GetNumberOfCallbacks(const std::string& event) const;

 private:
  struct Subscription {
    CallbackId id;
    std::string event;
    Callback callback;
  };
  void Fire(const std::string& event);

  int keepMode_ = 0;
  int interruptMode_ = 1;
  int shapeDesignVersion_ = 4;
  bool snap_ = true;
  double tmDeviation_ = 0.001;
  ZORSettingInfo tmDeviationInfo_;
  double tmMergingDistance_ = 0.001;
  int axisLineVisuOption_ = 0;
  CallbackId nextId_ = 1;
  std::vector<Subscription> subscriptions_;
};
