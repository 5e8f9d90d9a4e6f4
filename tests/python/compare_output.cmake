cmake_minimum_required(VERSION 3.25)
# Runs COMMAND under INTERPRETER into OUTPUT and fails with a diff when it differs from GOLDEN.
execute_process(COMMAND ${INTERPRETER} ${COMMAND} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${COMMAND} failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${GOLDEN} ${OUTPUT}
  RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff -u ${GOLDEN} ${OUTPUT})
  message(FATAL_ERROR "${GOLDEN} differs from what ${COMMAND} prints now")
endif()
