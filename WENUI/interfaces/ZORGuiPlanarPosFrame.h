#pragma once
//! \class ZORGuiPlanarPosFrame
//! Lets a feature command place a planar element (a profile) by two axis systems: an initial
//! one (index 0: the first origin and the main direction) and a target one (index 1: the second
//! origin and the second direction), with a displacement "XPos", "YPos" and a rotation
//! "AnglePos" in the target system. It is a command owned by the feature command: it adds four
//! panel states ("statePPFO1", "statePPFO2", "statePPFFA1", "statePPFFA2") with their agents,
//! builds its part of the command's panel, shows a plane translator and a rotator per axis
//! system ("Initial axis system", "Target axis system") and keeps what is chosen in a position
//! transformation of the feature model.
//!
//! The command takes part through ZORIWENPositioningUser, queried at construction: without it
//! the frame runs but tells nothing and shows no manipulator; without a default positioner
//! there are no manipulators either. Indices, kinds, types and modes out of range are ignored;
//! a transformation without one of its literals is a fatal error ("AssertionFailed:0").

#include <array>
#include <memory>

#include "ZORDialogAgent.h"
#include "ZORDlgFrame.h"
#include "ZORGuiTextSymbol.h"
#include "ZORISO.h"
#include "ZORIWENDirection.h"
#include "ZORIWENPositionTransfo.h"
#include "ZORIWENPositioningUser.h"
#include "ZORMathPlane.h"
#include "ZORStateCondition.h"
#include "ZORWENPPFMode.h"
#include "ZORWENPPFVisu.h"
#include "ZORWENUIHandleShow.h"

class ZORCkeParamFrame;
class ZORDlgCheckButton;
class ZORDlgPushButton;
class ZORDlgRadioButton;
class ZORGuiNotifierFrame;
class ZORWENUIFeatureAgent;
class ZORWENUIFrameDirection;
class ZORWENUINewSelectionTests;
class ZORWENUIPlaneTranslator;
class ZORWENUIRotator;
class ZORWENUISelector;
class ZORWENUIStateCommand;

class ZORGuiPlanarPosFrame : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORGuiPlanarPosFrame, ZORCommand, ZORMetaObject::Implementation, "WENUI")

  //! The states, in the order they are added.
  enum StateIndex { kFirstOrigin = 0, kSecondOrigin, kMainDirection, kSecondDirection };
  //! Colour value of the plane-axis arrows.
  static constexpr int kAxisColor = static_cast<int>(0xfd040400u);
  //! Colour index of the "Positioned element" text.
  static constexpr int kTextColor = 245;
  //! Manipulator codes of UpdateManipulators: plane translators, then rotators of each system.
  enum ManipCode { kTranslator0 = 1, kTranslator1 = 2, kRotator0 = 3, kRotator1 = 7 };

  //! A frame for `command` (its father), walking the systems as `mode` says (1 or 2).
  ZORGuiPlanarPosFrame(ZORWENUIStateCommand* command, ZORWENPPFMode mode);
  //! Removes what it shows and lets the notifier frame go without calling back.
  ~ZORGuiPlanarPosFrame() override;

  //! Creates agents, states, actions and transitions; `next` is entered when positioning is
  //! complete. Once.
  void InitializeDialog(ZORDialogState* next);
  //! Adds the indication agents and their transitions to `state`.
  void PlugPlanarPosIndication(ZORDialogState* state);
  //! Builds the panel part in `parent`; `out` is the frame made. Once.
  void BuildLayout(ZORDlgFrame* parent, ZORDlgFrame*& out, ZORWENPPFVisu visu);
  //! Shows the parameter part while positioning is displayed and the direction frames' texts.
  void ArrangeLayout();
  //! Hides or shows the parameter part as the displayed state says.
  void RebuildPanel();

  //! The transformation, made through the current feature factory when missing, the mode,
  //! literals and directions written into it; null without factory.
  HRESULT GetPositionTransfo(ZORIWENPositionTransfo_var& transfo);
  //! Adopts `transfo` (edition): reads its elements back, then enables or disables positioning
  //! by its mode. E_FAIL, changing nothing, for a null transfo.
  HRESULT SetPositionTransfo(const ZORIWENPositionTransfo_var& transfo);
  //! The mode written into the transformation: 0 off, else the frame's mode.
  int ConvertModeFrameToModel() const;
  //! Stores an origin (`kind` 0) or direction (1) of axis system `index` (null clears); tells
  //! the positioning user.
  void SetElement(const ZORISpecObject_var& element, int index, int kind, unsigned char notify = 1);
  //! Origin of `index` given by a picked point (`type` 1) or coordinates (2).
  void SetTypeOrigine(int type, int index);
  //! Direction of `index` given by an element (`type` 1) or coordinates (2).
  void SetTypeDirection(int type, int index);
  //! The swap buttons of `index`: 0 neither, 1 Y, 2 X, 3 both.
  void SetSwapAxes(ZORWENAxisInversionMode mode, int index);

  //! A condition of the selection tests on `agent`.
  ZORCondition Condition(bool (ZORWENUINewSelectionTests::*test)(void*), ZORDialogAgent* agent);
  //! An action running `first`, then `second`.
  static ZORAction AndAction(const ZORAction& first, const ZORAction& second);
  //! A condition holding when either does.
  static ZORCondition OrCondition(ZORCondition first, ZORCondition second);
  //! Action: the point of "SelOrigin" becomes the origin of the system the flag says.
  bool SelectPoint(ZORCallbackData flag);
  //! Action: the origin `index` is cleared and its agent re-armed.
  bool IndicatePoint(ZORCallbackData index);
  //! Action: "IndExit" re-armed.
  bool IndicateExit(ZORCallbackData data);
  //! Action: the line or plane of "SelMainAxis" becomes the direction the flag says.
  bool SelectDirection(ZORCallbackData flag);
  //! Action: the direction `index` is cleared.
  bool IndicateDirectionLeft(ZORCallbackData index);
  //! Action: the direction feature of `index` (coordinates) becomes the transfo's direction.
  bool IndicateDirectionRight(ZORCallbackData index);
  //! Entry of "statePPFFA1": a direction frame waiting in selection is taken at once.
  bool IDir1EnterAction(ZORCallbackData data);
  //! Entry of "statePPFFA2", the same.
  bool IDir2EnterAction(ZORCallbackData data);
  //! Highlights panel input `input` (1 first origin, 2 main direction, 3 second origin, 4
  //! second direction).
  bool HighlightPanelInput(ZORCallbackData input);
  //! Removes that highlight.
  bool DehighlightPanelInput(ZORCallbackData input);
  //! Condition: positioning is on.
  bool IsPositioningSelected(ZORCallbackData data);
  //! Condition: the parameters are shown.
  bool IsPositioningDisplayed(ZORCallbackData data);

  //! Creates the manipulators of both systems (none without positioner).
  void CreateManipulators();
  //! Creates the plane translator and rotator of system `index`.
  void CreateSingleAxisSystemManipulator(int index);
  //! A manipulator moved (1, 2 translators; 3, 5 and 7, 9 rotators) or a swap button toggled
  //! (4, 6 system 0; 8, 10 system 1).
  void UpdateManipulators(int code);
  //! The rotator of `index` turned: its angle becomes "AnglePos".
  void ManageRotatorMove(int index);
  //! Reverses X (`x` true) or Y of system `index`.
  void ManageRotatorInversion(int index, bool x);
  //! Removes the manipulators and the plane axes.
  void EraseManipulators();
  //! The plane translator of `index` at its system's displaced origin.
  void PositionPlaneTranslator(int index);
  //! The rotators about their systems' normals, turned by "AnglePos".
  void PositionRotators();
  //! The plane of system `index`; false without positioner or axis.
  bool GetManipPlane(int index, ZORMathPlane& plane);
  //! Freezes the manipulators of a system whose origin is missing.
  void ManageManipFreezeMode();
  //! The X and Y arrows of `axis` for system `index`.
  void DrawPlaneAxis(const ZORMathAxis& axis, int index);

  //! Positioning on (once).
  void EnablePositioning();
  //! Positioning off.
  void DisablePositioning();
  //! Toggles positioning, then sends the select-position notification.
  void ChangePosSelection();
  //! Shows the parameters.
  void ShowPositioning();
  //! Hides the parameters and sends the exit notification.
  void HidePositioning();
  //! Toggles the parameters; showing needs positioning on.
  void ChangePosVisibility();
  //! Reads the literals of the transfo into the editors; fatal when one is missing.
  void StoreLiterals();
  //! Forgets the elements the transfo does not hold.
  void ResetUsedComponents();
  //! Clears the transfo's elements the frame no longer holds.
  void RemoveUnusedComponents();
  //! How many of the four inputs are given.
  int CountElementSelections() const;
  //! Redraws the positioned profile with its "Positioned element" text.
  void UpdatePositionedProfileRep();
  //! Removes the positioned profile's drawing.
  void CleanRep();
  //! Removes the 3D labels (the text symbol).
  void RemoveAll3DLabels();
  //! Highlights the selectors of the inputs given.
  void HighlightInputs();
  //! A click on an origin selector (`index` 0 or 1).
  void ModifyPanelOrigin(int index);
  //! An element chosen in direction frame `index` (1 main, 2 second).
  void LeftDirectionSelect(int index);
  //! Coordinates given in direction frame `index`.
  void RightDirectionSelect(int index);
  //! Removes the labels and the drawings, then hands the frame over.
  void RequestDelayedDestruction() override;

  //! A manipulator's notification; the code is the client data.
  void ManipulatorNotif(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! A literal editor changed.
  void LiteralChanged(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! The state `index` (StateIndex); null before InitializeDialog.
  ZORDialogState* GetState(int index) const;
  //! The state a mode starts in: "statePPFO1" (mode 1) or "statePPFO2" (mode 2).
  ZORDialogState* GetFirstState() const;
  //! The frame's mode.
  ZORWENPPFMode GetMode() const { return mode_; }
  //! The origin (`kind` 0) or direction (1) of `index`; null when none.
  ZORISpecObject_var GetElement(int index, int kind) const;
  //! The plane translator of `index`; null when none is shown.
  ZORWENUIPlaneTranslator* GetPlaneTranslator(int index) const;
  //! The rotator of `index`; null when none is shown.
  ZORWENUIRotator* GetRotator(int index) const;
  //! The notifier frame; null before BuildLayout or once it went.
  ZORGuiNotifierFrame* GetNotifierFrame() const { return notifier_; }
  //! The "Positioned element" text; null when not shown.
  ZORGuiTextSymbol* GetTextSymbol() const { return textSymbol_.get(); }
  //! The highlighted panel input (1-4), 0 when none.
  int GetHighlightedInput() const { return highlighted_; }
  //! The notifier went first, and the widgets of the panel part with it: they are no longer
  //! reached, nor unlinked at destruction.
  void ForgetNotifier();

 private:
  struct System {
    ZORWENUISelector* selector = nullptr;
    ZORDlgRadioButton* picked = nullptr;
    ZORDlgRadioButton* coordinates = nullptr;
    ZORDlgRadioButton* byElement = nullptr;
    ZORDlgRadioButton* byCoordinates = nullptr;
    ZORDlgCheckButton* swapX = nullptr;
    ZORDlgCheckButton* swapY = nullptr;
    ZORWENUIFrameDirection* direction = nullptr;
    ZORIWENDirection_var directionFeature;
    ZORISpecObject_var origin;
    ZORBaseUnknown_var directionElement;
    ZORWENUIPlaneTranslator* translator = nullptr;  // created here, destroyed by Erase
    ZORWENUIRotator* rotator = nullptr;
    std::unique_ptr<ZORWENUIHandleShow> axes;  // the X and Y arrows
    ZORWENAxisInversionMode inversion = ZORWENNoInversion;
  };

  void Send(ZORNotification* notification);
  void TellUser();
  ZORAction Act(bool (ZORGuiPlanarPosFrame::*method)(ZORCallbackData), ZORCallbackData data);
  ZORCondition Test(bool (ZORGuiPlanarPosFrame::*method)(ZORCallbackData));
  void AddTransitions1(ZORDialogState* next);
  void AddTransitions2(ZORDialogState* next);
  void BuildSystemPart(ZORDlgFrame* parent, int index);
  void BuildDirectionFrame(ZORDlgFrame* parent, int index);
  void WriteDirection(int index);
  void EnterDirection(int index);
  void ShowSelectors();
  void SyncManipulators();
  ZORMathPoint DisplacedOrigin(const ZORMathPlane& plane) const;
  double Literal(const char* name) const;
  void ValuateLiteral(const char* name, double value);
  static bool ValidIndex(int index) { return index == 0 || index == 1; }

  ZORWENUIStateCommand* command_;            // the owner; not owned
  ZORIWENPositioningUser* user_ = nullptr;   // the command itself, through its interface
  std::array<ZORDialogState*, 4> states_{};  // owned by the command
  ZORDialogState* next_ = nullptr;
  ZORVar<ZORWENUIFeatureAgent> selOrigin_;
  ZORVar<ZORWENUIFeatureAgent> selMainAxis_;
  std::array<ZORVar<ZORDialogAgent>, 7> indications_;
  ZORVar<ZORWENUINewSelectionTests> tests_;
  ZORIWENPositionTransfo_var transfo_;
  std::array<ZORVar<ZORNotification>, 8> notifications_;
  std::array<System, 2> systems_;
  ZORGuiNotifierFrame* notifier_ = nullptr;  // a child of the panel part
  ZORDlgFrame* frame_ = nullptr;             // the panel part, owned by the parent
  ZORDlgFrame* paramFrame_ = nullptr;        // the parameters, shown while displayed
  ZORDlgCheckButton* selPosButton_ = nullptr;
  ZORDlgPushButton* showParamButton_ = nullptr;
  std::array<ZORCkeParamFrame*, 3> literalEditors_{};
  ZORVar<ZORGuiTextSymbol> textSymbol_;  // in the interactive set while shown
  std::unique_ptr<ZORWENUIHandleShow> profile_;
  ZORISO_var iso_;
  ZORWENPPFMode mode_;
  std::array<int, 4> inputIndices_{1, 2, 3, 4};
  int highlighted_ = 0;
  bool positioningSelected_ = false;
  bool positioningDisplayed_ = false;
  bool manipulatorsShown_ = false;
  ZORWENPPFVisu visu_ = ZORWENPPFVisuNone;
};
