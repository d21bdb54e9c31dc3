#pragma once
// An example feature command written on the library, as a workbench developer writes one: it
// translates elements along a line. Three ways in, each registered by name:
// - "ExampleTranslateCommand": one translation; pick a point (the element), then a line (the
//   direction);
// - "ExampleTranslateMultiSel": the same on a multi-selection, one translation per point picked,
//   all along the one direction;
// - "ExampleTranslateEdition": edits the current feature, a translation or a multi-selection of
//   translations.
// Its panel "TranslatePanel" has "Distance" (a number field), "Longer" (the distance grows by
// 10) and the repetition button. A single translation also shows a handle on its result, along
// its direction, kept in step with the command's "Length" parameter: dragging the handle values
// the parameter, which gives the translation its distance; typing a distance values the
// parameter, which moves the handle. A double-click on the handle opens the parameter's box.

#include "ZORCkeVolatileParm.h"
#include "ZORDlgEditor.h"
#include "ZORDlgPushButton.h"
#include "ZORWENUIDialog.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIStateCommand.h"
#include "ZORWENUITranslator.h"

class ExampleTranslateCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExampleTranslateCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  enum class Mode { Creation, MultiSelection, Edition };
  static constexpr double kDistanceStep = 10.0;

  // Edition edits `edited`; the creations start from nothing.
  explicit ExampleTranslateCommand(Mode mode, ZORFeature* edited = nullptr);
  ~ExampleTranslateCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  // A multi-selection turns its entries into real translations before the update.
  bool OkAction(ZORCallbackData data) override;
  // The journal entry: the translation and what it moves.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;

  static void Register();

 private:
  bool TakeElement(ZORCallbackData data);
  bool TakeDirection(ZORCallbackData data);
  bool Lengthen(ZORCallbackData data);
  bool TakeDistance(ZORCallbackData data);
  // Every translation at `distance`, shown in the field.
  void SetDistance(double distance);
  // The translations the command works on: its own, or the matrix and real features of its
  // multi-selection.
  std::vector<ZORFeature*> Translations();
  // Brings a single translation up to date so that the user sees it.
  void Preview();
  void SetUpMultiSelection(ZORFeature* edited);
  // The handle of a single translation whose element and direction are known: made the first
  // time, moved to them afterwards.
  void PlaceHandle();
  // The "Length" parameter changed (a drag, or what was typed): the translation follows.
  void LengthChanged(const char* event, void* parameter, ZORNotification* notification, void* data,
                     long id);

  Mode mode_;
  ZORFeature_var matrix_;  // the template of a multi-selection's translations
  ZORWENUIDialog* panel_;  // owned by the main window until the command asks for its end
  ZORDlgEditor* distance_;
  ZORDlgPushButton* longer_;
  ZORVar<ZORWENUIFeatureAgent> elementAgent_;
  ZORVar<ZORWENUIFeatureAgent> directionAgent_;
  ZORVar<ZORDialogAgent> longerAgent_;
  ZORVar<ZORDialogAgent> distanceAgent_;
  ZORVar<ZORCkeVolatileParm> length_;         // the distance, as a knowledge parameter
  ZORWENUITranslator* translator_ = nullptr;  // let go with RequestDelayedDestruction
};
