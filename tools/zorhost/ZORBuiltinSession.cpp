#include "ZORBuiltinSession.h"

#include "ZORDriver.h"
#include "ZORHostTranscript.h"

namespace {

// A step that did not do what the session expects ends it with a message.
bool Expect(bool ok, const char* what, std::FILE* out) {
  if (!ok) std::fprintf(out, "   !! %s\n", what);
  return ok;
}

}  // namespace

int ZORRunBuiltinSession(std::FILE* out) {
  ZORHostSession session;
  ZORDriver driver(session);
  ZORHostTranscript transcript(driver, out);

  ZORDocument& document = session.Document();
  ZORFeature_var set = document.CreateTool("GeometricalSet");
  ZORFeature_var point = document.CreatePoint(5, 0, 0, set.get());
  document.UpdateAll();
  session.Editor().SetCurrentFeature(point.get());
  driver.DrainEvents();

  transcript.Step("A document with one point, the current feature");
  transcript.Document();
  const std::string before = driver.DumpDocument();

  transcript.Step("Start the point creation command");
  if (!Expect(SUCCEEDED(driver.StartByName("ExamplePointCommand")), "the command did not start",
              out)) {
    return 1;
  }
  transcript.Screen();

  transcript.Step("Press Check while the new point lies at the origin: a user error");
  driver.Click("PointPanel/Check");
  transcript.Screen();
  transcript.Step("Close the error panel with its OK button");
  driver.PressOK("ErrorPanel");
  transcript.Screen();

  transcript.Step("Run the point edition over it, on Point.1, and move the point along X");
  if (!Expect(SUCCEEDED(driver.StartByName("ExamplePointEdition")), "the edition did not start",
              out)) {
    return 1;
  }
  driver.Click("PointPanel/MoveX");
  transcript.Screen();
  transcript.Document();

  transcript.Step("Cancel the edition: Point.1 is back, the creation resumes");
  driver.PressCancel();
  transcript.Screen();

  transcript.Step("Give the creation up: the command says why, then cancels itself");
  driver.Click("PointPanel/GiveUp");
  transcript.Screen();
  transcript.Document();

  const bool restored = driver.DumpDocument() == before;
  Expect(restored, "the document was not given back as it was", out);
  std::fprintf(out, "\n%s\n",
               restored ? "Session ended: the document is as it was." : "Session failed.");
  return restored ? 0 : 1;
}
