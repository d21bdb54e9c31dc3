#pragma once
//! \class ZORGuiCheckError
//! An input error raised by a geometric check (a self-intersection, a gap, a non-manifold
//! result) that carries the geometry of the defect as a body, so that a viewer can show where
//! the problem lies.
//!
//! The defect body is held, not copied: a clone shares it, and the body leaves its geometric
//! factory once, when the last error holding it goes.

#include <memory>

#include "ZORBody.h"
#include "ZORGuiInputError.h"

class ZORGuiCheckError : public ZORGuiInputError {
  ZOR_DECLARE_CLASS(ZORGuiCheckError, ZORGuiInputError, ZORMetaObject::Implementation, "WENUI")

  //! An error known by its identifier only.
  explicit ZORGuiCheckError(unsigned int id);
  //! An error with its identifier, message key and message catalog.
  ZORGuiCheckError(unsigned int id, const char* message, const char* catalog);
  //! An error with its message key and message catalog.
  ZORGuiCheckError(const char* message, const char* catalog);
  //! A copy sharing the defect body.
  ZORGuiCheckError(const ZORGuiCheckError& other);
  //! Releases the defect body (removed from its factory by the last error holding it).
  ~ZORGuiCheckError() override;

  //! Records where the error was raised, as ZORError::Setup does.
  void Setup(const char* path, int line);
  //! A new error of the same class, with the same texts and the same defect body.
  ZORError* CloneSelf() const override;
  //! The class's own error table: empty.
  void GetErrorTable(unsigned int* count, ZORErrDsc** table) const override;

  //! Makes `body` the defect (the error holds a reference of its own); null clears.
  void SetBody(ZORBody* body);
  //! The defect body, or null.
  ZORBody* GetBody() const;

 private:
  std::shared_ptr<ZORBody> body_;  // removed from its factory when the last holder goes
};
