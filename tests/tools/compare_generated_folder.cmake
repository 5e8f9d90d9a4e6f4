cmake_minimum_required(VERSION 3.25)
# Runs GENERATOR with a fresh OUTPUT folder as its argument and compares every file it writes
# with the committed one of that name in GOLDEN, printing the differences. A committed file with
# one of the generated files' extensions that the generator no longer writes fails as well.
# Regenerate with tools/regenerate-data.
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
    if(NOT name IN_LIST generated)
      list(APPEND faults "${name} is committed but no longer generated")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "; " summary)
  message(FATAL_ERROR "${GOLDEN} is not what the generator writes (${summary}); "
    "run tools/regenerate-data")
endif()
