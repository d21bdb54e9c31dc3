#include "ZORWENUIOrients.h"

#include "ZORApplicationFrame.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORIOrientationFlag.h"
#include "ZORUpdateUI.h"

namespace {

// The update report of a yes is written in the host's report mode 3.
constexpr int kReportMode = 3;

ZORDialog* MainWindow() {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  return frame ? frame->GetMainWindow() : nullptr;
}

// Hands the held reference over for destruction at the end of the transaction.
template <class C>
void HandOver(ZORVar<C>& command) {
  if (command) command.Detach()->RequestDelayedDestruction();
}

}  // namespace

ZORStateCommand* fctCreateZORWENUIOrients() {
  return new ZORWENUIOrients(ZORString("ZORWENUIOrients"), 0);
}

ZORWENUIOrients::ZORWENUIOrients(const ZORString& name, ZORCommandMode mode)
    : ZORStateCommand(name, mode) {}

ZORWENUIOrients::~ZORWENUIOrients() {
  Clean();
}

void ZORWENUIOrients::SetData(const ZORISpecObject_var& feature, const ZORMathLine& line1,
                              const ZORMathLine& line2, const int updateAll) {
  feature_ = feature;
  line1_ = line1;
  line2_ = line2;
  updateAll_ = updateAll;
}

ZORWENUIInvertor* ZORWENUIOrients::GetInvertor(int index) const {
  return (index == 1 ? invertor1_ : index == 2 ? invertor2_ : ZORVar<ZORWENUIInvertor>()).get();
}

void ZORWENUIOrients::BuildGraph() {
  panel_ = new ZORWENUIOrientsPanel(MainWindow());
  // The panel's answers come to this command.
  panel_->SetFather(this);
  panel_->SetVisibility(ZORDialog::kShown);

  yesAgent_ = ZORMake<ZORDialogAgent>(ZORString("YESAgent"));
  yesAgent_->AcceptOnNotify(panel_, panel_->GetDiaOKNotification());
  noAgent_ = ZORMake<ZORDialogAgent>(ZORString("NOAgent"));
  noAgent_->AcceptOnNotify(panel_, panel_->GetDiaAPPLYNotification());
  noAgent_->AcceptOnNotify(panel_, panel_->GetWindCloseNotification());

  ZORDialogState* state = GetInitialState(ZORString("state1"));
  AddAgent(state, yesAgent_.get());
  AddAgent(state, noAgent_.get());
  AddTransition(state, nullptr, IsOutputSetCondition(yesAgent_.get()),
                Action(&ZORWENUIOrients::YesCB, nullptr));
  AddTransition(state, nullptr, IsOutputSetCondition(noAgent_.get()),
                Action(&ZORWENUIOrients::NoCB, nullptr));
  BuildPreview();
}

void ZORWENUIOrients::BuildPreview() {
  ErasePreview();
  invertor1_ = ZORVar<ZORWENUIInvertor>::Adopt(
      new ZORWENUIInvertor(this, line1_.GetOrigin(), ZORMathDirection(line1_.GetDirection()),
                           ZORWENUIInvertor::kStraight));
  invertor1_->SetNoPick(1);
  invertor2_ = ZORVar<ZORWENUIInvertor>::Adopt(
      new ZORWENUIInvertor(this, line2_.GetOrigin(), ZORMathDirection(line2_.GetDirection()),
                           ZORWENUIInvertor::kStraight));
  invertor2_->SetNoPick(1);
  invertor2_->SetColor(kSecondArrowColor);
}

void ZORWENUIOrients::ErasePreview() {
  HandOver(invertor1_);
  HandOver(invertor2_);
}

bool ZORWENUIOrients::YesCB(ZORCallbackData) {
  if (ZORIOrientationFlag_var flag{feature_}) {
    flag->SetOrientationFlag(1);
    ZORGmoUtilitiesServices::Replace(ZORBaseUnknown_var(feature_), ZORBaseUnknown_var(feature_), 0);
    flag->SetOrientationFlag(0);
  }
  auto update = ZORVar<ZORUpdateUI>::Adopt(ZORUpdateUI::CreateUpdateUI());
  if (update && feature_) {
    update->SetUpdateAllArg(updateAll_);
    update->SetDestroyOldReport(0);
    update->SetAction(ZORUpdateUI::kUpdateAction);
    update->AddElement(ZORBaseUnknown_var(feature_));
    update->Run();
    update->CreateReport(kReportMode);
  }
  return true;
}

bool ZORWENUIOrients::NoCB(ZORCallbackData) {
  return true;
}

int ZORWENUIOrients::Cancel(ZORCommand* caller, ZORNotification* notification) {
  Clean();
  return ZORStateCommand::Cancel(caller, notification);
}

void ZORWENUIOrients::OnEndReached() {
  Clean();
  ZORStateCommand::OnEndReached();
}

void ZORWENUIOrients::Clean() {
  ErasePreview();
  if (panel_) std::exchange(panel_, nullptr)->RequestDelayedDestruction();
  // The agents may be the ones whose valuation ends the command: they go with the transaction.
  HandOver(yesAgent_);
  HandOver(noAgent_);
}
