cmake_minimum_required(VERSION 3.25)
# Runs GENERATOR with a fresh OUTPUT folder as its argument and compares every file it writes
# with the committed one of that name in GOLDEN, printing the differences. A committed file with
# one of the generated files' extensions that the generator no longer writes fails as well.
# With the environment variable TUBELINE_UPDATE_GOLDEN set, the generated files replace the
# committed ones and those no longer generated are removed.
file(REMOVE_RECURSE ${OUTPUT})
file(MAKE_DIRECTORY ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed: ${status}")
endif()

file(GLOB generated RELATIVE ${OUTPUT} ${OUTPUT}/*)
set(extensions)
set(faults)
foreach(name IN LISTS generated)
  get_filename_component(extension ${name} LAST_EXT)
  list(APPEND extensions ${extension})
  if(DEFINED ENV{TUBELINE_UPDATE_GOLDEN})
    file(COPY_FILE ${OUTPUT}/${name} ${GOLDEN}/${name} ONLY_IF_DIFFERENT)
    continue()
  endif()
  if(NOT EXISTS ${GOLDEN}/${name})
    list(APPEND faults "${name} is not committed")
    continue()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${GOLDEN}/${name} ${OUTPUT}/${name}
    RESULT_VARIABLE differs)
  if(differs)
    execute_process(COMMAND diff -u ${GOLDEN}/${name} ${OUTPUT}/${name})
    list(APPEND faults "${name} differs")
  endif()
endforeach()

list(REMOVE_DUPLICATES extensions)
foreach(extension IN LISTS extensions)
  file(GLOB committed RELATIVE ${GOLDEN} ${GOLDEN}/*${extension})
  foreach(name IN LISTS committed)
    if(NOT name IN_LIST generated AND DEFINED ENV{TUBELINE_UPDATE_GOLDEN})
      file(REMOVE ${GOLDEN}/${name})
    elseif(NOT name IN_LIST generated)
      list(APPEND faults "${name} is committed but no longer generated")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "; " summary)
  message(FATAL_ERROR "${GOLDEN} is not what the generator writes (${summary}); "
    "TUBELINE_UPDATE_GOLDEN=1 ctest -L golden rewrites it")
endif()
