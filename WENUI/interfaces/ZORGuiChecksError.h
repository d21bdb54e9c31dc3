#pragma once
//! \class ZORGuiChecksError
//! A check error gathering several: each sub-error shows its own defect, and the gathering
//! error stands for them when there is none.

#include "ZORGuiCheckError.h"
#include "ZORListPtrZORGuiCheckError.h"

class ZORGuiChecksError : public ZORGuiCheckError {
  ZOR_DECLARE_CLASS(ZORGuiChecksError, ZORGuiCheckError, ZORMetaObject::Implementation, "WENUI")

  //! An error known by its identifier only, without sub-error.
  explicit ZORGuiChecksError(unsigned int id);
  //! An error with its identifier, message key and message catalog, without sub-error.
  ZORGuiChecksError(unsigned int id, const char* message, const char* catalog);
  //! An error with its message key and message catalog, without sub-error.
  ZORGuiChecksError(const char* message, const char* catalog);
  //! A copy holding a clone of each sub-error.
  ZORGuiChecksError(const ZORGuiChecksError& other);
  //! Releases every sub-error and empties the list.
  ~ZORGuiChecksError() override;

  //! Records where the error was raised, as ZORError::Setup does.
  void Setup(const char* path, int line);
  //! A new error of the same class, with a clone of each sub-error.
  ZORError* CloneSelf() const override;
  //! The class's own error table: empty.
  void GetErrorTable(unsigned int* count, ZORErrDsc** table) const override;

  //! The sub-errors, in the order they were appended.
  ZORListPtrZORGuiCheckError& GetErrorList() { return errors_; }
  //! The sub-errors, in the order they were appended.
  const ZORListPtrZORGuiCheckError& GetErrorList() const { return errors_; }

 private:
  ZORListPtrZORGuiCheckError errors_;
};
