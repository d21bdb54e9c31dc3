#pragma once
// Record-level settings of the surfacic commands ("SurfacicRecordLevel" ...), read from the
// host's setting store. Tests fill the store, make it unreadable, and read the warnings that
// were recorded.

#include <string>
#include <vector>

#include "ZORString.h"
#include "ZORTypes.h"
#include "ZORUnicodeString.h"

class ZORSurfacicUIRecordServices {
 public:
  struct Warning {
    ZORString name;
    int level = 0;
    ZORUnicodeString text;
  };

  // Declares the setting `name` with its default level (a value already stored stays); `flag`
  // is 1 when the setting is declared, 0 when the store failed.
  static HRESULT SetRecordLevel(const ZORString& name, int defaultLevel, int& flag);
  // The stored level of `name` with `found` 1; `defaultLevel` with `found` 0 when the setting
  // is not stored or the store cannot be read.
  static int GetRecordLevel(const ZORString& name, int defaultLevel, int& found);
  // Records a warning for the setting; `flag` is 1 when it was recorded.
  static HRESULT SetRecordWarning(const ZORString& name, int level, const ZORUnicodeString& text,
                                  int& flag);

  // The setting store, for tests and the driver.
  static void SetStoredLevel(const ZORString& name, int level);
  static void EraseStoredLevel(const ZORString& name);
  static void SetStoreReadable(bool readable);
  static const std::vector<Warning>& GetRecordedWarnings();
  // Empties the store and the warnings, and makes the store readable again.
  static void ResetStore();
};
