// The example commands register by name when their library is loaded, as a workbench's
// commands do with the host.

#include "ExampleDirectionCommand.h"
#include "ExampleDragCommand.h"
#include "ExamplePointCommand.h"
#include "ExamplePointEditorCommand.h"
#include "ExamplePolylineCommand.h"
#include "ExampleProjectCommand.h"
#include "ExampleSelectorCommand.h"
#include "ExampleTranslateCommand.h"
#include "ExampleWidgetsCommand.h"

namespace {

const bool registered = [] {
  ExampleDirectionCommand::Register();
  ExampleDragCommand::Register();
  ExamplePointCommand::Register();
  ExamplePolylineCommand::Register();
  ExampleProjectCommand::Register();
  ExamplePointEditorCommand::Register();
  ExampleSelectorCommand::Register();
  ExampleTranslateCommand::Register();
  ExampleWidgetsCommand::Register();
  return true;
}();

}  // namespace
