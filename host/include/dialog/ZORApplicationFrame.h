#pragma once
// The application frame and its main window, the parent of panels that have no dialog of their
// own. Either may be absent: host switches let tests remove them. The frame is created on first
// use and lives until Reset, which destroys the main window with every panel still under it.

#include <vector>

#include "ZORBaseUnknown.h"
#include "ZORVar.h"

class ZORDialog;

class ZORApplicationFrame : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORApplicationFrame, ZORBaseUnknown, ZORMetaObject::Implementation, "Dialog")

  // The frame, or null while the frame is switched off.
  static ZORApplicationFrame* GetFrame();
  // The main window, or null while it is switched off.
  ZORDialog* GetMainWindow() const;
  // The windows shown under the main window (at any depth), depth first.
  std::vector<ZORDialog*> GetOpenDialogs() const;

  // Host switches: whether the frame and its main window are there.
  static void SetFramePresent(bool present);
  static void SetMainWindowPresent(bool present);
  // Destroys the frame and its main window (the panels under it go with it) and switches both
  // back on.
  static void Reset();

  ~ZORApplicationFrame() override;

 private:
  ZORApplicationFrame();

  ZORVar<ZORDialog> mainWindow_;
};
