#pragma once
// The compass of one editor, read live from it: it holds the editor.

#include "ZORFrmEditor.h"
#include "ZORI3DCompass.h"

class ZOR3DCompass : public virtual ZORBaseUnknown, public ZORI3DCompass {
  ZOR_DECLARE_CLASS(ZOR3DCompass, ZORBaseUnknown, ZORMetaObject::Implementation, "Visualization")
  ZOR_IMPLEMENTS(ZORBaseUnknown, ZORI3DCompass)

  explicit ZOR3DCompass(ZORFrmEditor* editor) : editor_(editor) {}

  //! The compass of the current editor; null without one.
  static ZORI3DCompass_var OfCurrentEditor();

  ZORMathAxis GetPosition() override { return editor_->GetCompassPosition(); }
  ZORMathVector GetNormal() override;

 private:
  ZORVar<ZORFrmEditor> editor_;
};
