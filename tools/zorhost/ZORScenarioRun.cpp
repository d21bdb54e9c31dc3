#include "ZORScenarioRun.h"

#include <cstdio>
#include <cstdlib>

#include "ZORHostSession.h"
#include "ZORScenarioInterpreter.h"
#include "ZORScenarioReader.h"

const char* ZORScenarioRun::Verdict(int status) {
  if (status == 0) return "passed";
  return status == 1 ? "expectation failed" : "could not run";
}

ZORScenarioRun ZORScenarioRun::Run(const std::string& text, const std::string& name,
                                   const std::string& svgDirectory) {
  ZORScenarioRun run;
  run.name = name;
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  if (!out) return run;
  std::fprintf(out, "== %s\n", name.c_str());
  const ZORScenarioReader::Result read = ZORScenarioReader().Read(text, name);
  if (read.Ok()) {
    ZORHostSession session;
    ZORScenarioInterpreter interpreter(session, out, svgDirectory);
    run.status = interpreter.Run(read.statements);
    run.snapshots = interpreter.GetSnapshots();
  }
  for (const std::string& problem : read.problems) std::fprintf(out, "%s\n", problem.c_str());
  std::fprintf(out, "== %s: %s (exit status %d)\n", name.c_str(), Verdict(run.status), run.status);
  std::fclose(out);
  run.transcript.assign(buffer, size);
  std::free(buffer);
  return run;
}
