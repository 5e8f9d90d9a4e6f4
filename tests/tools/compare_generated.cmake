# Runs GENERATOR with GENERATOR_ARGS, writes its output to OUTPUT and fails with a diff when it
# differs from the committed GOLDEN file. With the environment variable TUBELINE_UPDATE_GOLDEN
# set, rewrites GOLDEN instead (TUBELINE_UPDATE_GOLDEN=1 ctest -L golden rewrites every golden
# file; read git diff before committing).
execute_process(COMMAND ${GENERATOR} ${GENERATOR_ARGS}
  OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${GOLDEN} ${OUTPUT}
  RESULT_VARIABLE differs)
if(differs AND DEFINED ENV{TUBELINE_UPDATE_GOLDEN})
  file(COPY_FILE ${OUTPUT} ${GOLDEN})
  message(STATUS "rewrote ${GOLDEN}")
elseif(differs)
  execute_process(COMMAND diff -u ${GOLDEN} ${OUTPUT})
  message(FATAL_ERROR "${GOLDEN} is not what ${GENERATOR} writes; "
    "TUBELINE_UPDATE_GOLDEN=1 ctest -L golden rewrites it")
endif()
