#pragma once
// What a split or a trim found when it last built: the bodies in error and the bodies giving
// the context when the build failed; a message (key and catalog) and the topological objects
// concerned (bodies and cells) when it built with a warning. Immutable once handed out.

#include <vector>

#include "ZORBody.h"
#include "ZORCell.h"
#include "ZORListValZORBaseUnknown_var.h"
#include "ZORString.h"

class ZORGmoBuildDiagnosisDataSplitTrim : public ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORGmoBuildDiagnosisDataSplitTrim, ZORBaseUnknown,
                    ZORMetaObject::Implementation, "GSMInterfaces")

  ZORGmoBuildDiagnosisDataSplitTrim() = default;
  //! A failed build: the bodies in error and the bodies that gave it its context.
  static ZORVar<ZORGmoBuildDiagnosisDataSplitTrim> Failure(std::vector<ZORBody_var> inError,
                                                           std::vector<ZORBody_var> context);
  //! A build with a warning: its message and the objects (bodies or cells) it concerns.
  static ZORVar<ZORGmoBuildDiagnosisDataSplitTrim> Warning(const ZORString& key,
                                                           const ZORString& catalog,
                                                           std::vector<ZORBaseUnknown_var> objects);

  //! The first body in error; null when none.
  ZORBody_var GetBody() const { return inError_.empty() ? nullptr : inError_.front(); }
  //! The first body of the context; null when none.
  ZORBody_var GetContextBody() const { return context_.empty() ? nullptr : context_.front(); }
  //! 1 for a warning, 0 for a failure.
  int IsAWarning() const { return warning_ ? 1 : 0; }
  //! The warning's message key and catalog (empty for a failure).
  void GetMessage(ZORString& key, ZORString& catalog) const;
  //! Appends the objects the warning concerns: bodies and cells, told apart by their class.
  void GetTopObjects(ZORListValZORBaseUnknown_var& objects) const;
  //! "failure(in error: ..., context: ...)" or "warning(KEY, N objects)".
  std::string Describe() const;

 private:
  bool warning_ = false;
  std::vector<ZORBody_var> inError_;
  std::vector<ZORBody_var> context_;
  ZORString key_;
  ZORString catalog_;
  std::vector<ZORBaseUnknown_var> objects_;
};

using ZORGmoBuildDiagnosisDataSplitTrim_var = ZORVar<ZORGmoBuildDiagnosisDataSplitTrim>;
