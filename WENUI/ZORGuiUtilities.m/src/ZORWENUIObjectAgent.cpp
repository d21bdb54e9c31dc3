#include "ZORWENUIObjectAgent.h"

#include "ZORCleaner.h"
#include "ZORFrmEditor.h"
#include "ZORTrace.h"

namespace {

void Trace(const char* callback) {
  static const ZORTrace trace("WENOBJAGENT", "Manipulator events of the object agents");
  trace.Print(std::string("ZORWENUIObjectAgent::") + callback);
}

// The editor's transformation as a representation matrix: the three columns of its linear
// part and its translation.
ZOR4x4Matrix EditorMatrix() {
  const ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!editor) return ZOR4x4Matrix();
  const ZORMathTransformation& t = editor->GetTransformation();
  const auto column = [&t](int c) {
    return ZORMathVectorf(float(t.Get(0, c)), float(t.Get(1, c)), float(t.Get(2, c)));
  };
  const ZORMathVector& move = t.GetTranslation();
  return ZOR4x4Matrix(column(0), column(1), column(2),
                      ZORMathVectorf(float(move.GetX()), float(move.GetY()), float(move.GetZ())));
}

}  // namespace

ZORWENUIObjectAgent::ZORWENUIObjectAgent() : ZORDialogAgent(ZORString("ZORWENUIObjectAgent"), 0) {
  manipulator_ = new ZOR3DManipulator(this, ZORString("Manip"));
}

ZORWENUIObjectAgent::ZORWENUIObjectAgent(int style, int flag)
    : ZORDialogAgent(ZORString("ZORWENUIObjectAgent"), 0) {
  manipulator_ = new ZOR3DManipulator(this, ZORString("Manip"), nullptr, style, flag);
}

ZORWENUIObjectAgent::~ZORWENUIObjectAgent() {
  for (ZORCallback callback : callbacks_) RemoveAnalyseNotificationCB(callback);
  if (manipulator_) manipulator_->Destroy();
}

void ZORWENUIObjectAgent::Send(ZORNotification* notification) {
  if (!notification) return;
  // Handed over first: a notification nobody receives is still deleted.
  ZORCleaner::DeleteOnTransactionEnd(notification);
  if (ZORCommand* father = GetFather()) SendNotification(father, notification);
}

void ZORWENUIObjectAgent::Initialize() {}

void ZORWENUIObjectAgent::AddManip(ZOR3DRep* rep) {
  if (!firstAssociation_ || !manipulator_) return;
  firstAssociation_ = false;
  manipulator_->AssociateToRep(rep);
  Subscribe();
}

void ZORWENUIObjectAgent::Subscribe() {
  using Callback = void (ZORWENUIObjectAgent::*)(ZORCommand*, ZORNotification*, ZORCallbackData);
  const std::pair<ZORNotification*, Callback> subscriptions[] = {
      {manipulator_->GetZORPreactivate(), &ZORWENUIObjectAgent::Preactivate},
      {manipulator_->GetZOREndPreactivate(), &ZORWENUIObjectAgent::EndPreactivate},
      {manipulator_->GetZORActivate(), &ZORWENUIObjectAgent::ActivateMan},
      {manipulator_->GetZOREndActivate(), &ZORWENUIObjectAgent::EndActivate},
      {manipulator_->GetZORBeginManipulate(), &ZORWENUIObjectAgent::BeginManipulate},
      {manipulator_->GetZORManipulate(), &ZORWENUIObjectAgent::Manipulate},
      {manipulator_->GetZOREndManipulate(), &ZORWENUIObjectAgent::EndManipulate},
      {manipulator_->GetZORContext(), &ZORWENUIObjectAgent::Context},
      {manipulator_->GetZOREndContext(), &ZORWENUIObjectAgent::EndContext},
      {manipulator_->GetZOREdit(), &ZORWENUIObjectAgent::Edit},
      {manipulator_->GetZOREndEdit(), &ZORWENUIObjectAgent::EndEdit},
      {manipulator_->GetZORMove(), &ZORWENUIObjectAgent::Move}};
  for (const auto& [notification, callback] : subscriptions) {
    callbacks_.push_back(AddAnalyseNotificationCB(manipulator_, notification, callback, nullptr));
  }
}

ZOR3DBagRep* ZORWENUIObjectAgent::GetBagRep() {
  return bag_.get();
}

ZOR3DManipulator* ZORWENUIObjectAgent::GetManipulator() {
  return manipulator_;
}

void ZORWENUIObjectAgent::Preactivate(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("Preactivate");
}
void ZORWENUIObjectAgent::EndPreactivate(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("EndPreactivate");
}
void ZORWENUIObjectAgent::ActivateMan(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("ActivateMan");
}
void ZORWENUIObjectAgent::EndActivate(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("EndActivate");
}
void ZORWENUIObjectAgent::BeginManipulate(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("BeginManipulate");
}
void ZORWENUIObjectAgent::Manipulate(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("Manipulate");
}
void ZORWENUIObjectAgent::EndManipulate(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("EndManipulate");
}
void ZORWENUIObjectAgent::Context(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("Context");
}
void ZORWENUIObjectAgent::EndContext(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("EndContext");
}
void ZORWENUIObjectAgent::Edit(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("Edit");
}
void ZORWENUIObjectAgent::EndEdit(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("EndEdit");
}
void ZORWENUIObjectAgent::Move(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Trace("Move");
}

ZOR3DRep* ZORWENUIObjectAgent::BuildSpec3DRep() {
  return nullptr;
}

ZOR3DRep* ZORWENUIObjectAgent::BuildSpec3DOrnamentRep() {
  return nullptr;
}

ZOR3DBagRep* ZORWENUIObjectAgent::BuildSpec3DBagRep() {
  bag_ = ZORMake<ZOR3DBagRep>();
  for (ZOR3DRep* rep : {BuildSpec3DRep(), BuildSpec3DOrnamentRep()}) {
    if (rep) bag_->AddChild(rep);
  }
  bag_->SetMatrix(EditorMatrix());
  AddManip(bag_.get());
  return bag_.get();
}
