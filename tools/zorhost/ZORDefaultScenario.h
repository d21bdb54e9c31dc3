#pragma once
// The scenario zorhost runs without arguments, compiled into the program.

#include <string>

// The script's text, in the scenario language.
const char* ZORDefaultScenario();
// What the default run does: the script's opening comment, its "# " taken off each line.
std::string ZORDefaultScenarioSummary();
