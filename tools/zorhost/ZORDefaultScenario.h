#pragma once
// The scenario zorhost runs without arguments, compiled into the program.

// The script's text, in the scenario language.
const char* ZORDefaultScenario();
