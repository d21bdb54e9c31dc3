#pragma once
// A command of a downstream project: a point half way between two picked points. Each pick goes
// through the library's point test, so a line or an out-of-date point is refused with the
// library's own message; the second point places the new one, OK keeps it. Started by name as
// "MidpointCommand".

#include <vector>

#include "ZORDlgDialog.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUINewSelectionTests.h"
#include "ZORWENUIStateCommand.h"

class MidpointCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(MidpointCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Downstream")

  MidpointCommand();
  ~MidpointCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  //! The journal entry of a new midpoint: its name and its two ends.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;

  //! How many ends are picked (0, 1 or 2).
  int GetNumberOfEnds() const { return static_cast<int>(ends_.size()); }

 private:
  bool TakeEnd(ZORCallbackData data);

  ZORDlgDialog* panel_;  // owned by the main window until the command asks for its end
  ZORVar<ZORWENUIFeatureAgent> agent_;
  ZORVar<ZORWENUINewSelectionTests> tests_;
  std::vector<ZORISpecObject_var> ends_;
};
