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

ZORHostSession::ZORHostSession() {
  ResetHost();
  document_ = std::make_unique<ZORDocument>();
  editor_ = ZORMake<ZORFrmEditor>(document_.get());
  ZORFrmEditor::SetCurrentEditor(editor_.get());
  ZORDocument* document = document_.get();
  // Undo at end gives back the document as it was when the command started.
  ZORGuiCommandStack::Instance()->SetUndoPointMaker([document] {
    const int mark = document->SetMark();
    return [document, mark](bool undo) {
      if (undo) document->UndoToMark(mark);
      document->ForgetMark(mark);
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
