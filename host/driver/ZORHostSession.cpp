#include "ZORHostSession.h"

#include "ZORApplicationFrame.h"
#include "ZORExternalObjectRegistry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORFrmLayout.h"
#include "ZORGmoInputDescriptionSwitch.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORGuiCommandStack.h"
#include "ZORMmuPartInfrastructurePreferencesCtrl.h"
#include "ZORNotifyAnswers.h"
#include "ZORShownMessageJournal.h"
#include "ZORSurfacicUIRecordServices.h"
#include "ZORSysLogAbend.h"
#include "ZORTransaction.h"
#include "ZORWENRunCommand.h"
#include "ZORWENSettings.h"
#include "ZORWENUIStateCmdInfo.h"
#include "ZORWenJournaling.h"

namespace {

ZORBaseUnknown_var CurrentFeature() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  return editor ? editor->GetCurrentFeatureObject() : nullptr;
}

}  // namespace

ZORHostSession::ZORHostSession() {
  ResetHost();
  document_ = std::make_unique<ZORDocument>();
  editor_ = ZORMake<ZORFrmEditor>(document_.get());
  ZORFrmEditor::SetCurrentEditor(editor_.get());
  ZORDocument* document = document_.get();
  // Undo at end gives back the document as it was when the command started; a command
  // finished on its own leaves its state before to global undo, which marks the state after
  // when it undoes the command. Going back keeps the later marks: finished commands hold them.
  using Ending = ZORGuiCommandStack::Ending;
  ZORGuiCommandStack::Instance()->SetUndoPointMaker([document] {
    const int mark = document->SetMark();
    ZORBaseUnknown_var current = CurrentFeature();
    return [document, mark, current](Ending ending) {
      if (ending == Ending::Finished) {
        return ZORGlobalUndoHistory::DocumentStates{document, mark, 0, current, nullptr};
      }
      if (ending == Ending::Undone) document->GoToMark(mark);
      document->ForgetMark(mark);
      return ZORGlobalUndoHistory::DocumentStates();
    };
  });
}

ZORHostSession::~ZORHostSession() {
  ZORGuiCommandStack::Instance()->CancelAll();
  ZORTransaction::End();
  ZORGuiCommandStack::Instance()->SetUndoPointMaker(nullptr);
  ZORFrmEditor::SetCurrentEditor(nullptr);
  editor_ = nullptr;
  ResetHost();
  document_.reset();
}

void ZORHostSession::ResetHost() {
  ZORApplicationFrame::Reset();
  ZORFrmLayout::Reset();
  ZORTransaction::End();
  ZORNotifyAnswers::Reset();
  ZORShownMessageJournal::Clear();
  ZORAbendLog::Clear();
  ZORFeatureTypeRegistry::Get().ClearAllFailures();
  ZORWENSettings::ResetToDefaults();
  ZORMmuPartInfrastructurePreferencesCtrl::ResetToDefaults();
  ZORSurfacicUIRecordServices::ResetStore();
  ZORWENUIStateCmdInfo::SetDefaults(0, ZORWENUIStateCmdInfo::kGeometricalSetMode);
  ZORWenJournaling::Reset();
  ZORWENRunCommand::Reset();
  ZORExternalObjectRegistry::Get().ClearRequests();
  ZORGmoInputDescriptionSwitch::SetCurrentEditedFeature(nullptr);
  ZORGuiBasicUtilitiesServices::SetWorkingPath(ZORPathElement());
}
