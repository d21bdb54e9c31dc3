#include "ZORGuiConvertOldContextualFeat.h"

#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORGuiCommandStack.h"
#include "ZORIPrtContainer.h"
#include "ZORMsgCatalog.h"
#include "ZORProtectedSection.h"
#include "ZORWENUIPanelInfo.h"

namespace {

constexpr const char* kCatalog = "ZORGuiConvertOldContextualFeat";

// Keeps the engine's transactions locked for its lifetime, so that an error raised while they
// are locked never leaves them so.
class TransactionLock {
 public:
  explicit TransactionLock(ZORDialogEngine* engine) : engine_(engine) {
    if (engine_) engine_->LockTransactions();
  }
  ~TransactionLock() {
    if (engine_) engine_->UnlockTransactions();
  }
  TransactionLock(const TransactionLock&) = delete;
  TransactionLock& operator=(const TransactionLock&) = delete;

 private:
  ZORDialogEngine* engine_;
};

}  // namespace

ZORStateCommand* fctCreateZORGuiConvertOldContextualFeat() {
  return new ZORGuiConvertOldContextualFeat(ZORString("ZORGuiConvertOldContextualFeat"));
}

ZORGuiConvertOldContextualFeat::ZORGuiConvertOldContextualFeat(const ZORString& id)
    : ZORWENUIStateCommand(id, 0, 1) {}

int ZORGuiConvertOldContextualFeat::Activate(ZORCommand*, ZORNotification*) {
  int result = 0;
  ZORException* caught = ZORProtect([&] {
    ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
    if (!editor) {
      result = 1;
      return;
    }
    Convert(editor->GetNoEngine());
  });
  ZORHandleCaught(caught);
  // Without an editor too: a command that stayed on the stack would block every later one.
  End();
  return result;
}

void ZORGuiConvertOldContextualFeat::Convert(ZORDialogEngine* engine) {
  if (!engine) return;
  TransactionLock lock(engine);
  ZORIPrtContainer_var container(ZORGuiBasicUtilitiesServices::GetCurrentContainer());
  ZORIPrtPart_var part = container ? container->GetPart() : nullptr;
  if (!part) return;
  if (FAILED(ZORGmoUtilitiesServices::ConvertOldContextualFeatures(part))) return;
  new ZORWENUIPanelInfo(ZORMsgCatalog::BuildMessage(kCatalog, "Warning"), nullptr);
}

void ZORGuiConvertOldContextualFeat::End() {
  ZORGuiCommandStack* stack = ZORGuiCommandStack::Instance();
  for (const ZORGuiCommandStackState& state : stack->GiveStateList()) {
    if (state.GetCommand() == this) {
      stack->CompleteCommand(this);
      return;
    }
  }
  RequestDelayedDestruction();
}

HRESULT ZORGuiConvertOldContextualFeat::CreationJournal(const ZORISpecObject_var&,
                                                        const ZORISpecObject_var&) {
  return E_FAIL;
}
