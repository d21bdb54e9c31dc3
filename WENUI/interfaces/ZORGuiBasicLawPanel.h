#pragma once
//! \class ZORGuiBasicLawPanel
//! The panel where the user chooses how a value evolves from the start to the end of a support
//! and sees the resulting curve: constant, linear, S-type, a law feature the user designates
//! (advanced), or, in implicit creation mode, values given at points of the support (implicit):
//! a list of the points in their order along the support with each point's value, the value of
//! the selected point in an editor, and the interpolation (linear or cubic). It holds the law's
//! start and end parameters in editors, draws the sampled law in its 2D viewer "LawViewer" with
//! labelled axes, and offers a handle on the curve that reads the value at any parameter. It never
//! changes a feature: it tells its father what the user changed by its notifications (never while
//! RefreshPanel fills it), and the father reads the getters.
//!
//! Contracts: BuildPanel builds nothing and answers 0 without start or end parameter. A law that
//! cannot be computed shows "Law can't be evaluated" and the error's texts instead of the curve.
//! The evaluation step stays within (0, 0.1]; a law is sampled at t = i * step and at t = 1.
//! A missing widget is skipped by every operation that would touch it. The implicit frame
//! exists only while the law type is implicit; rows of its list show law points through the
//! mapping list (row r shows law point mapping[r + 1]).
//!
//! Typical use:
//! \code
//!   auto* panel = new ZORGuiBasicLawPanel(parentWindow, 0);
//!   panel->SetFather(this);
//!   panel->BuildPanel(start, end, ZORWENLinearLaw, ZORWENAdvancedLaw);
//!   AddAnalyseNotificationCB(panel, panel->GetBasicLawPanelChangeLawTypeNotif(), &Cmd::TypeCB,
//!                            nullptr);
//! \endcode

#include <vector>

#include "ZORFrmDialog.h"
#include "ZORICkeLaw.h"
#include "ZORICkeParm.h"
#include "ZORIWENIntegratedLaw.h"
#include "ZORLaw.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORRawColl.h"
#include "ZORWENBasicLawType.h"

class ZOR2DBagRep;
class ZOR2DManipulator;
class ZORCkeParamFrame;
class ZORDlgCheckButton;
class ZORDlgCombo;
class ZORDlgMultiList;
class ZORDlgPushItem;
class ZORDlgFrame;
class ZORDlgRadioButton;
class ZORDlgRadioItem;
class ZORGuiBasicLawPanelChangeInterpoModeNotif;
class ZORGuiBasicLawPanelChangeLawTypeNotif;
class ZORGuiBasicLawPanelIndAdvancedLawNotif;
class ZORGuiBasicLawPanelIndPointsParamsNotif;
class ZORGuiBasicLawPanelInvertLawNotif;
class ZORGuiBasicLawPanelRemovePointFromListNotif;
class ZORGuiDlgSeparatorWithLabel;
class ZORGuiValueEditor;
class ZORNavigation2DViewer;
class ZORWENUIMultiList;
class ZORWENUISelector;

class ZORGuiBasicLawPanel : public ZORFrmDialog {
  ZOR_DECLARE_CLASS(ZORGuiBasicLawPanel, ZORFrmDialog, ZORMetaObject::Implementation, "WENUI")

  //! Colour indices of the curve, the handle and the error texts.
  static constexpr int kCurveColor = 247;
  //! The handle's colour.
  static constexpr int kHandleColor = 241;
  //! The colour of the texts shown when the law cannot be computed.
  static constexpr int kErrorColor = 244;

  //! The dialog "ZORGuiBasicLawPanel" under `father` with `style`; builds no widget yet.
  ZORGuiBasicLawPanel(ZORDialog* father, unsigned long style);
  ~ZORGuiBasicLawPanel() override;

  //! With 1, BuildPanel adds the implicit law's button; to call before BuildPanel.
  void SetWithImplicitLawCreationMode(unsigned char mode) { implicitMode_ = mode; }
  //! Builds the widgets for `start` and `end` with `type` checked and draws the law; `layout`
  //! ZORWENAdvancedLaw stacks every frame. 0, building nothing, without a parameter.
  int BuildPanel(const ZORICkeParm_var& start, const ZORICkeParm_var& end,
                 const ZORWENBasicLawType type, const ZORWENBasicLawType layout);
  //! Stacks the top-level frames as the layout given to BuildPanel says.
  void GlobalFrameAttachment();
  //! Forgets the panel's attachments.
  void ResetGlobalFrameAttachment();
  //! Fills the panel from an edited law feature, without telling the father.
  void RefreshPanel(const ZORIWENIntegratedLaw_var& law);
  //! Activates the parameters and the selector the law type uses.
  void RefreshPanelButtons();

  //! Checks the button of `type`; with `notify` the button's own notification redraws and
  //! tells the father, without it the type is only recorded.
  void SetBasicLawType(const ZORWENBasicLawType type, int notify);
  //! The law type shown.
  ZORWENBasicLawType GetBasicLawType() const { return type_; }
  //! Records the inversion (0 or 1) and shows it, without telling the father.
  void SetLawInversion(const unsigned char inversion);
  //! 1 when the law is read backwards.
  unsigned char GetLawInversion() const { return inversion_; }
  //! Shows `law` in the selector; a law selects the advanced type (telling the father).
  void SetLawFeature(const ZORICkeLaw_var& law);
  //! The law feature of the advanced type; null when none.
  const ZORICkeLaw_var& GetLawFeature() const { return law_; }
  //! The start and end parameters.
  void GetLiterals(ZORICkeParm_var& start, ZORICkeParm_var& end) const;
  //! Takes `end` as the end parameter, in a new editor at the old one's place; `start` is not
  //! used.
  void SetLiterals(const ZORICkeParm_var& start, const ZORICkeParm_var& end);
  //! The implicit law's interpolation: 1 linear, 2 cubic (1 without interpolation combo).
  int GetImplicitLawInterpoMode() const;
  //! The law point shown by the one selected row of the point list; 0 when the list does not
  //! exist or not exactly one row is selected.
  int GetListSelectedLine() const;
  //! Protects the rows of these law points (from 1) from "RemoveItem"; indices out of the
  //! mapping list are ignored.
  void SetListElemToNotRemove(ZORRawCollint& indices);
  //! The rows (from 1) whose "RemoveItem" is insensitive.
  const ZORRawCollint& GetRowsNotToRemove() const { return notRemovable_; }
  //! For each row of the point list, the law point it shows (from 1).
  const ZORRawCollint& GetMappingList() const { return mapping_; }
  //! Builds the implicit frame "FrameImplicitLaw": point list, value editor, interpolation.
  void BuildImplicitLawCreationFrame();
  //! Makes the laws that do not end where they start (linear, S-type, advanced) unavailable.
  void DisableNotClosableLaw();
  //! Makes them available again.
  void EnableNotClosableLaw();
  //! Clears the selector's highlight and the point list's selection.
  void ResetHighlight();

  //! Draws the law (computing it first when `recompute` is not 0), or the error texts.
  void DrawLawViewer(int recompute);
  //! Samples the law: S_OK, or E_FAIL with the texts of the error raised kept for the drawing
  //! (the error itself is flushed).
  int ComputeTheLaw();
  //! Adds the curve to the law drawing.
  void CreateLawRep();
  //! Adds the axes and their texts to the text drawing.
  void CreateAxesAndTextsRep();
  //! Draws the handle at parameter `x` (kept within the law's range) on the curve.
  void DrawManipulator(float x, float y, int mode);
  //! Takes the handle out of the viewer.
  void RemoveManipulator();
  //! 1 length, 2 angle, 3 real, 0 other or no start parameter.
  int GetAssociedLawMode() const;

  //! Callback of the law type buttons.
  void UpdateDrawing(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the inversion button.
  void InverseCB(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the start and end parameters' value changes.
  void LiteralValueChanged(const char* event, void* parameter, ZORNotification* notification,
                           void* data, long id);
  //! Callback of an implicit law parameter's value changes: rewrites the values shown and
  //! redraws.
  void ImplicitLawParamChanged(const char* event, void* parameter, ZORNotification* notification,
                               void* data, long id);
  //! Tells the father: 1 law selector clicked, 2 point row selected, 3 interpolation changed,
  //! 4 point removal asked.
  void SendNotifToFather(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the handle: 2 preactivated, 1 dragged, 0 released or left.
  void LawManipulatorModified(ZORCommand* sender, ZORNotification* notification,
                              ZORCallbackData data);
  //! Callback of the handle's context: fills the viewer's menu.
  void ContextMenu(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the end of the handle's context.
  void ContextMenuEnd(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the menu items: 1 reframes, 2 shows the step editor.
  void CallBackContextualMenu(ZORCommand* sender, ZORNotification* notification,
                              ZORCallbackData data);
  //! Callback of the step editor.
  void LawStepIsEdited(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the point list's selection: edits the row's value and tells the father.
  void SelInPointsParamsList(ZORCommand* sender, ZORNotification* notification,
                             ZORCallbackData data);
  //! Callback of "RemoveItem": selects the row and asks the father to remove its point.
  void ListPointsParamsRemove(ZORCommand* sender, ZORNotification* notification,
                              ZORCallbackData data);
  //! Callback of the point list's menu before it shows: "RemoveItem" on unprotected rows only.
  void SelectListPointsParamsCxtMenu(ZORCommand* sender, ZORNotification* notification,
                                     ZORCallbackData data);
  //! Callback of the interpolation combo: tells the father.
  void ModifyInterpoMode(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the window's close: passes the panel's close to its father window.
  void ManageBasicLawPanelClose(ZORCommand* sender, ZORNotification* notification,
                                ZORCallbackData data);

  //! Sent when the user toggles the inversion.
  ZORGuiBasicLawPanelInvertLawNotif* GetBasicLawPanelInvertLawNotif() const { return invert_; }
  //! Sent when the user chooses another law type.
  ZORGuiBasicLawPanelChangeLawTypeNotif* GetBasicLawPanelChangeLawTypeNotif() const {
    return changeType_;
  }
  //! Sent when the user clicks the law selector.
  ZORGuiBasicLawPanelIndAdvancedLawNotif* GetBasicLawPanelIndAdvancedLawNotif() const {
    return indicateLaw_;
  }
  //! Sent when the user selects a point row.
  ZORGuiBasicLawPanelIndPointsParamsNotif* GetBasicLawPanelIndPointsParamsNotif() const {
    return indicatePoints_;
  }
  //! Sent when the user chooses another interpolation.
  ZORGuiBasicLawPanelChangeInterpoModeNotif* GetBasicLawPanelChangeInterpoModeNotif() const {
    return changeInterpolation_;
  }
  //! Sent when the user removes a point row.
  ZORGuiBasicLawPanelRemovePointFromListNotif* GetBasicLawPanelRemovePointFromListNotif() const {
    return removePoint_;
  }

  //! The evaluation step.
  double GetStep() const { return step_; }
  //! Takes `step` as the evaluation step and draws the law again; false, keeping the step, for
  //! a step outside (0, 0.1].
  bool SetStep(double step);
  //! The sampled values, in parameter order.
  const std::vector<double>& GetSamples() const { return samples_; }
  //! The smallest and largest sampled (or known) value.
  void GetRange(double& minimum, double& maximum) const;

 private:
  ZORDlgRadioButton* ButtonOf(ZORWENBasicLawType type) const;
  void BuildTypeButtons();
  void BuildParameterFrame();
  void BuildViewer();
  ZORCkeParamFrame* ParameterEditor(const ZORICkeParm_var& parameter, ZORDialog* parent,
                                    const char* name);
  void Subscribe(const ZORICkeParm_var& parameter, ZORCallback& subscription);
  void Unsubscribe(const ZORICkeParm_var& parameter, ZORCallback& subscription);
  void Notify(ZORNotification* notification);
  void ShowFailure();
  void RemoveImplicitLawFrame();
  void FillImplicitLaw();
  void ForgetImplicitParameters();
  void FillPointList(const ZORListValZORISpecObject_var& points);
  void WriteParameterColumn();
  void ReplaceImplicitEditor(const ZORICkeParm_var& parameter);
  ZORICkeParm_var TemporaryRadius();
  void RedoAttachments();
  void ClearDrawings();
  ZORLaw_var EvaluableLaw();
  double SampleAbscissa(std::size_t i) const;
  ZORUnicodeString ValueText(double value) const;

  // The widgets, children of the panel.
  ZORDlgRadioButton* constant_ = nullptr;
  ZORDlgRadioButton* linear_ = nullptr;
  ZORDlgRadioButton* sType_ = nullptr;
  ZORDlgRadioButton* advanced_ = nullptr;
  ZORDlgRadioButton* implicit_ = nullptr;
  ZORGuiDlgSeparatorWithLabel* separator_ = nullptr;
  ZORWENUISelector* selector_ = nullptr;
  ZORDlgFrame* paramFrame_ = nullptr;
  ZORCkeParamFrame* startEditor_ = nullptr;
  ZORCkeParamFrame* endEditor_ = nullptr;
  ZORDlgFrame* selFrame_ = nullptr;
  ZORDlgFrame* drawFrame_ = nullptr;
  ZORDlgFrame* buttonsFrame_ = nullptr;
  ZORDlgCheckButton* inversionButton_ = nullptr;
  ZORNavigation2DViewer* viewer_ = nullptr;
  ZORGuiValueEditor* stepEditor_ = nullptr;

  ZORICkeParm_var start_;
  ZORICkeParm_var end_;
  ZORCallback startSubscription_ = 0;
  ZORCallback endSubscription_ = 0;
  ZORWENBasicLawType type_ = ZORWENConstantLaw;
  unsigned char inversion_ = 0;
  ZORICkeLaw_var law_;
  ZORIWENIntegratedLaw_var integratedLaw_;

  // The drawing: sizes in pixels, law range, samples, step; all computed in double.
  double width_ = 400.0;
  double height_ = 300.0;
  ZOR2DBagRep* lawRep_ = nullptr;   // one reference, shown by the viewer while set
  ZOR2DBagRep* textRep_ = nullptr;  // one reference, shown by the viewer while set
  double t0_ = 0.0;
  double t1_ = 1.0;
  double min_ = 0.0;
  double max_ = 1.0;
  double scale_ = 1.0;
  std::vector<double> samples_;
  double step_ = 0.01;
  std::vector<ZORUnicodeString> failureTexts_;  // what a failed computation shows; empty else
  ZOR2DManipulator* manipulator_ = nullptr;
  ZOR2DBagRep* manipulatorRep_ = nullptr;  // borrowed from the manipulator, which holds it
  double handleAt_ = 0.5;
  ZORDlgRadioItem* reframeItem_ = nullptr;
  ZORDlgRadioItem* stepItem_ = nullptr;
  ZORCallback reframeCallback_ = 0;
  ZORCallback stepCallback_ = 0;

  ZORGuiBasicLawPanelInvertLawNotif* invert_ = nullptr;
  ZORGuiBasicLawPanelChangeLawTypeNotif* changeType_ = nullptr;
  ZORGuiBasicLawPanelIndAdvancedLawNotif* indicateLaw_ = nullptr;
  ZORGuiBasicLawPanelIndPointsParamsNotif* indicatePoints_ = nullptr;
  ZORGuiBasicLawPanelChangeInterpoModeNotif* changeInterpolation_ = nullptr;
  ZORGuiBasicLawPanelRemovePointFromListNotif* removePoint_ = nullptr;
  unsigned char notify_ = 1;
  bool activating_ = false;  // while the panel switches its parameters on and off
  unsigned char implicitMode_ = 0;
  int layout_ = 0;

  // The implicit law: its frame and widgets (children of the panel while the type is 5), its
  // parameters in row order with their subscriptions, and the rows' law points.
  ZORDlgFrame* implicitFrame_ = nullptr;
  ZORDlgFrame* radiusFrame_ = nullptr;
  ZORCkeParamFrame* implicitEditor_ = nullptr;
  ZORWENUIMultiList* pointList_ = nullptr;
  ZORDlgMultiList* pointRows_ = nullptr;
  ZORDlgCombo* interpolationCombo_ = nullptr;
  ZORDlgPushItem* removeItem_ = nullptr;
  ZORListValZORISpecObject_var implicitParameters_;
  std::vector<ZORCallback> implicitSubscriptions_;
  ZORRawCollint mapping_;
  ZORRawCollint notRemovable_;  // rows, from 1
  int selectedRow_ = 0;         // from 0
  ZORICkeParm_var radius_;      // shown until a row is selected; removed with the panel
};
