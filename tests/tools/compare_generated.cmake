# Runs GENERATOR with GENERATOR_ARGS, writes its output to OUTPUT and fails with a diff when
# it differs from the committed GOLDEN file, naming REGENERATE, the command that rewrites it.
execute_process(COMMAND ${GENERATOR} ${GENERATOR_ARGS}
  OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${GOLDEN} ${OUTPUT}
  RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff -u ${GOLDEN} ${OUTPUT})
  message(FATAL_ERROR "${GOLDEN} is not what the generator writes; run ${REGENERATE}")
endif()
