#pragma once
//! \class ZORGuiConvertOldContextualFeat
//! A one-shot command: converts the old contextual features of the current part and tells the
//! user, then ends. It has no panel and journals nothing. Created by name
//! ("ZORGuiConvertOldContextualFeat", fctCreateZORGuiConvertOldContextualFeat).

#include "ZORDialogEngine.h"
#include "ZORWENUIStateCommand.h"

class ZORGuiConvertOldContextualFeat : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ZORGuiConvertOldContextualFeat, ZORWENUIStateCommand,
                    ZORMetaObject::Implementation, "WENUI")

  //! A command without command info, its feature shown during the run; the work is done at
  //! Activate.
  explicit ZORGuiConvertOldContextualFeat(const ZORString& id);

  //! Does the whole work and ends the command; 1 when there is no editor to work in.
  int Activate(ZORCommand* caller, ZORNotification* notification) override;

  //! No panel: answers null.
  ZORDlgDialog* GiveMyPanel() override { return nullptr; }
  //! Nothing to journal: answers E_FAIL.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;

 private:
  //! Converts the current part's old contextual features with the engine's transactions locked;
  //! tells the user when the conversion ran.
  static void Convert(ZORDialogEngine* engine);
  //! Ends the command through the command stack when it runs there, else by delayed destruction.
  void End();
};

//! The creation function registered under the command name "ZORGuiConvertOldContextualFeat".
ZORStateCommand* fctCreateZORGuiConvertOldContextualFeat();
