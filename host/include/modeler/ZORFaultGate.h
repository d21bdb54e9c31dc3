#pragma once
// The one gate every host service that may raise or fail goes through, so that a test can make
// the k-th such call misbehave. Inside a protected section the k-th call raises a ZORError;
// outside, the service fails (a failure code or a null result) since nothing may throw there.

class ZORFaultGate {
 public:
  // Called first by each such service, named for reports. Answers false when the service must
  // fail; raises when the call is inside a protected section.
  static bool Pass(const char* service);

  // Makes the k-th call from now misbehave (k >= 1); 0 disarms.
  static void Arm(long k);
  static void Disarm() { Arm(0); }
  // Calls counted since the last Arm or ResetCount.
  static long Calls();
  static void ResetCount();
  // Whether the armed fault fired, and on which service.
  static bool Fired();
  static const char* FiredService();

  static int ProtectionDepth();

 private:
  friend class ZORProtectionScope;
  static void EnterProtection();
  static void LeaveProtection();
};

// Marks a protected section for the fault gate while it lives.
class ZORProtectionScope {
 public:
  ZORProtectionScope() { ZORFaultGate::EnterProtection(); }
  ~ZORProtectionScope() { ZORFaultGate::LeaveProtection(); }
  ZORProtectionScope(const ZORProtectionScope&) = delete;
  ZORProtectionScope& operator=(const ZORProtectionScope&) = delete;
};
