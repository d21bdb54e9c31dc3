# Runs one scenario with zorhost and compares its transcript with the stored one
# (SCENARIO NAME.zsc beside NAME.expected, run from their directory).
#   cmake -DZORHOST=path/to/zorhost -DSCENARIO=NAME.zsc -DSVG_DIR=dir -P run-scenario.cmake
# Only `zorhost --update-expected` (scripts/update-scenarios.sh) rewrites NAME.expected.
execute_process(COMMAND ${ZORHOST} --svg-dir ${SVG_DIR} ${SCENARIO}
  OUTPUT_VARIABLE actual RESULT_VARIABLE status)
string(REGEX REPLACE "\\.zsc$" ".expected" expected_file "${SCENARIO}")
if(NOT EXISTS "${expected_file}")
  message(FATAL_ERROR "no stored transcript ${expected_file}: run scripts/update-scenarios.sh")
endif()
file(READ "${expected_file}" expected)
if(NOT actual STREQUAL expected)
  string(REGEX REPLACE "\\.zsc$" ".actual" actual_file "${SCENARIO}")
  set(actual_file "${SVG_DIR}/${actual_file}")
  file(WRITE "${actual_file}" "${actual}")
  execute_process(COMMAND diff -u "${expected_file}" "${actual_file}")
  message(FATAL_ERROR "the transcript of ${SCENARIO} differs from ${expected_file}")
endif()
# The transcript ends with the exit status it reports; the program must agree.
string(REGEX MATCH "exit status ([0-9]+)\\)\n$" ignored "${actual}")
if(NOT "${status}" STREQUAL "${CMAKE_MATCH_1}")
  message(FATAL_ERROR "zorhost exited with ${status}, its transcript says ${CMAKE_MATCH_1}")
endif()
