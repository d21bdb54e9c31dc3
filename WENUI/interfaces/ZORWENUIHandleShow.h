#pragma once
//! \class ZORWENUIHandleShow
//! The drawing of a 3D handle or symbol as it is shown: a custom representation wrapped for
//! the current editor's interactive set and, for a handle that can be dragged, given to its
//! manipulator as what the user grabs. Showing a new drawing removes the old one first, and
//! Clean removes whatever part of it exists, so that nothing stays shown, grabbed or alive.

#include <string>

#include "ZOR3DCustomRep.h"
#include "ZOR3DManipulator.h"
#include "ZORGraphicAttributeSet.h"
#include "ZORICkeParm.h"
#include "ZORISO.h"
#include "ZORSt3DISO.h"

class ZORWENUIHandleShow {
 public:
  //! Palette index of a handle under the pointer.
  static constexpr int kPreactivatedColor = 251;
  //! Palette index standing for colours outside the palette.
  static constexpr int kOutOfPaletteColor = 253;
  //! Thickest line index.
  static constexpr int kMaxThickness = 15;

  //! Takes the current editor's interactive set (none without an editor).
  ZORWENUIHandleShow();
  //! Cleans.
  ~ZORWENUIHandleShow();
  //! Not copied: a drawing is shown once.
  ZORWENUIHandleShow(const ZORWENUIHandleShow&) = delete;
  //! Not copied.
  ZORWENUIHandleShow& operator=(const ZORWENUIHandleShow&) = delete;

  //! Shows `drawing` in place of the current one, grabbed by `manipulator` when not null.
  void Show(ZOR3DCustomRep* drawing, ZOR3DManipulator* manipulator);
  //! Takes the drawing from its manipulator and out of the interactive set, and lets it go.
  void Clean();
  //! Takes the current editor's interactive set again (none without an editor).
  void TakeCurrentISO();

  //! The drawing shown, null when none.
  ZOR3DCustomRep* GetDrawing() const { return drawing_.get(); }
  //! The wrapper in the interactive set, null when none.
  ZORSt3DISO* GetShown() const { return shown_.get(); }
  //! The interactive set, null without an editor.
  ZORISO* GetISO() const { return iso_.get(); }

  //! Subscribes `handle`'s `method` to six events of `manipulator`, in this order: manipulate,
  //! context, preactivate, end of preactivate, edit, end of manipulate, each with its client
  //! value from `values`.
  template <class C>
  static void Subscribe(C* handle, ZOR3DManipulator* manipulator,
                        void (C::*method)(ZORCommand*, ZORNotification*, ZORCallbackData),
                        const int (&values)[6]) {
    ZORNotification* const events[6] = {
        manipulator->GetZORManipulate(),  manipulator->GetZORContext(),
        manipulator->GetZORPreactivate(), manipulator->GetZOREndPreactivate(),
        manipulator->GetZOREdit(),        manipulator->GetZOREndManipulate()};
    for (int i = 0; i < 6; ++i) {
      handle->AddAnalyseNotificationCB(manipulator, events[i], method, ZORIntData(values[i]));
    }
  }

  //! Opens the edition of `value` when it offers one (a double-click on a handle showing it);
  //! false when it offers none or it fails.
  static bool OpenEdition(const ZORBaseUnknown_var& value);
  //! `prefix` followed by the parameter's value as shown ("L = 12.5mm"); `prefix` may be null.
  static std::string TextWithValue(const char* prefix, ZORICkeParm* parameter);

  //! The handles' look: the platform default with `color` (251 while preactivated, 253 for
  //! 256 and more) and a line thicker by `thicker`, at most 15.
  static ZORGraphicAttributeSet Attributes(bool preactivated, unsigned int color, int thicker);

 private:
  ZORISO_var iso_;
  ZOR3DCustomRep_var drawing_;
  ZORSt3DISO_var shown_;
  ZOR3DManipulator_var grabbedBy_;
};
