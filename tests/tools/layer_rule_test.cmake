cmake_minimum_required(VERSION 3.25)
# The layer rule fails where it should. The check (CHECK_SCRIPT) must refuse each way of reaching
# upward in a scratch tree under WORK; the compiler (CXX), given only the model's include roots
# (MODEL_INCLUDES, a ;-list), must not find a header of a layer above the model while it finds the
# model's own.

function(expect_refused description file content)
  set(tree ${WORK}/${description})
  file(REMOVE_RECURSE ${tree})
  file(WRITE ${tree}/${file} "${content}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DPROJECT_DIR=${tree} -P ${CHECK_SCRIPT}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(status EQUAL 0 OR NOT err MATCHES "do not point downward")
    message(FATAL_ERROR "the check let through ${description}")
  endif()
endfunction()

expect_refused(indented_include_in_if src/model/a.cpp "#if 1\n  #  include \"ui/keys.h\"\n#endif\n")
expect_refused(angle_brackets src/export/a.h "#include <forms/main_form.h>\n")
expect_refused(climbing_out src/model/a.cpp "#include \"../ui/keys.h\"\n")
expect_refused(file_in_a_subfolder src/texts/deep/a.cpp "#include \"graph/palette.h\"\n")
expect_refused(unknown_folder src/extra/a.cpp "int x;\n")
expect_refused(model_links_qt src/model/CMakeLists.txt
  "target_link_libraries(tubeline_model PUBLIC Qt6::Widgets)\n")
expect_refused(tool_links_forms tools/CMakeLists.txt
  "target_link_libraries(t PRIVATE tubeline_forms)\n")

set(flags "")
foreach(directory IN LISTS MODEL_INCLUDES)
  list(APPEND flags -I${directory})
endforeach()
file(WRITE ${WORK}/upward.cpp "#include \"ui/keys.h\"\n")
file(WRITE ${WORK}/own.cpp "#include \"model/number_text.h\"\n")
execute_process(COMMAND ${CXX} -std=c++20 -fsyntax-only ${flags} ${WORK}/upward.cpp
  RESULT_VARIABLE upward OUTPUT_QUIET ERROR_QUIET)
execute_process(COMMAND ${CXX} -std=c++20 -fsyntax-only ${flags} ${WORK}/own.cpp
  RESULT_VARIABLE own ERROR_VARIABLE ownErrors)
if(upward EQUAL 0)
  message(FATAL_ERROR "a model file could include a header of the ui layer")
endif()
if(NOT own EQUAL 0)
  message(FATAL_ERROR "a model file could not include the model's own header:\n${ownErrors}")
endif()
