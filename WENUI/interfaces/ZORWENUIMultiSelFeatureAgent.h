#pragma once
//! \class ZORWENUIMultiSelFeatureAgent
//! The feature agent of a command working in multi-selection mode. The results of the
//! multi-selection are shown in the 3D view while the command runs; picking them as new inputs
//! of the same command would make a result its own input. This agent refuses such picks and,
//! on request, picks of points that are not results of the multi-selection.
//!
//! A point pick is a path with a sub-path whose object answers, tested in this order,
//! ZORIMfPoint, ZORPoint or ZORIMfZeroDimResult. With a null multi-selection feature the agent
//! behaves as the plain feature agent.

#include "ZORHSO.h"
#include "ZORISpecObject.h"
#include "ZORSO.h"
#include "ZORWENUIFeatureAgent.h"

class ZORWENUIMultiSelFeatureAgent : public ZORWENUIFeatureAgent {
  ZOR_DECLARE_CLASS(ZORWENUIMultiSelFeatureAgent, ZORWENUIFeatureAgent,
                    ZORMetaObject::Implementation, "WENUI")

  //! `multiSel`: the multi-selection whose results are refused (null: none); `pointRemoval`
  //! non-zero: picks of points are refused or dropped. The rest builds the feature agent.
  ZORWENUIMultiSelFeatureAgent(const ZORISpecObject_var& multiSel, const ZORString& name,
                               int pointRemoval, const ZORString& typeName = ZORString(),
                               int behavior = 0, unsigned long filterFlags = 0,
                               const ZORBaseUnknown_var& command = nullptr,
                               int implicitSelectionMode = 0, int connexSelectionMode = 0);
  //! Nothing of its own to release.
  ~ZORWENUIMultiSelFeatureAgent() override;

  //! The base agent's check, then refuses a pick under the multi-selection itself and, with
  //! point removal, a point that is not one of its results.
  ZORPathElement* PrecheckPath(ZORPathElement* path) override;
  //! The picked paths, without the results of the multi-selection when there are several
  //! (and without points, with point removal); what is dropped is no longer highlighted.
  ZORSO* GetListOfValues() override;

  //! Applies the point rule to `path`, whose point sub-path is `pointPath`: a point of no
  //! feature loses the element above it, a point of a result of the multi-selection stays, any
  //! other point refuses the path (set to null). E_FAIL when either is null.
  HRESULT RemovePathOfPointElements(ZORPathElement*& path, ZORPathElement*& pointPath);
  //! Removes `path` from `values` (and from `highlight` when given), counting it off `count`.
  //! E_FAIL when `values` or `path` is null.
  HRESULT RemovePathElementFromSO(ZORSO* values, ZORPathElement* path, ZORHSO* highlight,
                                  int& count);

 private:
  //! Whether `feature` is a result (a child) of this agent's multi-selection.
  bool IsResult(const ZORISpecObject_var& feature) const;
  //! The point sub-path of `path` for the first point test that finds one; unset otherwise.
  static ZORPathElement PointSubPath(const ZORPathElement& path);

  ZORISpecObject_var multiSel_;
  int pointRemoval_;
};

//! Writes the names of the path's objects, top to leaf, separated by " / " ("NULL" for a null
//! path) to the trace "WENFEAT_ACQ".
void MonLocalDumpPath(ZORPathElement* path);
