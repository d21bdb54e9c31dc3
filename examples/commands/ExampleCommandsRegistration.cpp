// The example commands register by name when their library is loaded, as a workbench's
// commands do with the host.

#include "ExampleDirectionCommand.h"
#include "ExampleDragCommand.h"
#include "ExampleLawCommand.h"
#include "ExamplePointAlongLineCommand.h"
#include "ExamplePointCommand.h"
#include "ExamplePointEditorCommand.h"
#include "ExamplePolylineCommand.h"
#include "ExampleProjectCommand.h"
#include "ExampleRotateCommand.h"
#include "ExampleSelectorCommand.h"
#include "ExampleTranslateCommand.h"
#include "ExampleWidgetsCommand.h"
// coupling edition
#include "ExampleCouplingCommand.h"
#include "ExamplePositionCommand.h"

// Diagnostics in 3D
#include "ExampleJoinCommand.h"
#include "ExampleSplitCommand.h"

namespace {

const bool registered = [] {
  ExampleDirectionCommand::Register();
  ExampleDragCommand::Register();
  ExampleLawCommand::Register();
  ExamplePointAlongLineCommand::Register();
  ExamplePointCommand::Register();
  ExamplePolylineCommand::Register();
  ExampleRotateCommand::Register();
  ExampleProjectCommand::Register();
  ExamplePointEditorCommand::Register();
  ExampleSelectorCommand::Register();
  ExampleTranslateCommand::Register();
  ExampleWidgetsCommand::Register();
  // coupling edition
  ExampleCouplingCommand::Register();
  ExamplePositionCommand::Register();

  // Diagnostics in 3D
  ExampleJoinCommand::Register();
  ExampleSplitCommand::Register();
  return true;
}();

}  // namespace
