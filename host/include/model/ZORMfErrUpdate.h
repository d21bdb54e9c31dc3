#pragma once
// The error a failed update leaves on a feature. Its diagnostic says why (it may hold several
// lines separated by "\n").

#include "ZORError.h"

class ZORMfErrUpdate : public ZORError {
  ZOR_DECLARE_CLASS(ZORMfErrUpdate, ZORError, ZORMetaObject::Implementation, "System")

  ZORMfErrUpdate() = default;
  explicit ZORMfErrUpdate(const ZORUnicodeString& diagnostic) { SetDiagnostic(diagnostic); }
  ZORMfErrUpdate(const ZORMfErrUpdate& other)
      : ZORBaseUnknown(), ZORError(other), type_(other.type_) {}

  ZORError* CloneSelf() const override { return new ZORMfErrUpdate(*this); }

  ZORUnicodeString GetDiagnostic() const { return GetNLSDiagnostic(); }
  void SetDiagnostic(const ZORUnicodeString& diagnostic) { SetNLSDiagnostic(diagnostic); }
  //! The kind of a failure to read the inputs: one is deleted or in error, or the feature left
  //! the document; the feature itself was not run.
  static constexpr int kInputsInError = 0x20001;

  // The kind of update error, 0 unless set.
  int GetType() const { return type_; }
  void SetType(int type) { type_ = type; }

 private:
  int type_ = 0;
};
