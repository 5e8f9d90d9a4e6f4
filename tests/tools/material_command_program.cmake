cmake_minimum_required(VERSION 3.25)
# Runs the tubeline-material program PROGRAM as a user would: a formula xraylib cannot read must
# give exit code 2 and exactly our one line on stderr (xraylib prints nothing of its own) and
# write nothing; a formula it can read must write OUTPUT. What the file holds is checked by
# tools_tests.
function(run_program)
  execute_process(COMMAND ${PROGRAM} ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(status ${status} PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE ${OUTPUT})
run_program(--formula Xx2 --density 1 -o ${OUTPUT})
string(REGEX MATCHALL "\n" line_ends "${err}")
list(LENGTH line_ends line_count)
if(NOT status EQUAL 2 OR NOT line_count EQUAL 1 OR NOT err MATCHES "^tubeline-material: "
   OR EXISTS ${OUTPUT})
  message(FATAL_ERROR "unreadable formula: exit ${status}, stderr:\n${err}")
endif()

run_program(--formula C22H10N2O5 --density 1.42 --name Kapton -o ${OUTPUT})
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "C22H10N2O5: exit ${status}, stderr:\n${err}")
endif()
file(STRINGS ${OUTPUT} name LIMIT_COUNT 1)
if(NOT name STREQUAL "Kapton")
  message(FATAL_ERROR "C22H10N2O5: the file is named '${name}', not Kapton")
endif()
