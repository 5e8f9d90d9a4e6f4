cmake_minimum_required(VERSION 3.25)
# The layer rule fails where it should. The check (CHECK_SCRIPT) must refuse each way of reaching
# upward in a scratch tree under WORK; the compiler (CXX), given only a layer's include roots
# (MODEL_INCLUDES, BASE_INCLUDES: ;-lists), must not find a header of a layer above it while it
# finds the layer's own.

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
expect_refused(base_includes_the_model src/base/a.cpp "#include \"model/energy_grid.h\"\n")
expect_refused(base_links_the_model src/base/CMakeLists.txt
  "target_link_libraries(tubeline_base PUBLIC tubeline_model)\n")
expect_refused(model_links_qt src/model/CMakeLists.txt
  "target_link_libraries(tubeline_model PUBLIC Qt6::Widgets)\n")
expect_refused(tool_links_forms tools/CMakeLists.txt
  "target_link_libraries(t PRIVATE tubeline_forms)\n")

# Compiles one line with a layer's include roots; the status in the variable `result`.
function(compile_with includes line result)
  set(flags "")
  foreach(directory IN LISTS includes)
    list(APPEND flags -I${directory})
  endforeach()
  string(MAKE_C_IDENTIFIER "${line}" name)
  file(WRITE ${WORK}/${name}.cpp "${line}\n")
  execute_process(COMMAND ${CXX} -std=c++20 -fsyntax-only ${flags} ${WORK}/${name}.cpp
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
  set(${result} ${status} PARENT_SCOPE)
  set(${result}_errors "${errors}" PARENT_SCOPE)
endfunction()

compile_with("${MODEL_INCLUDES}" "#include \"ui/keys.h\"" model_upward)
compile_with("${MODEL_INCLUDES}" "#include \"model/energy_grid.h\"" model_own)
compile_with("${BASE_INCLUDES}" "#include \"model/energy_grid.h\"" base_upward)
compile_with("${BASE_INCLUDES}" "#include \"base/number_text.h\"" base_own)
if(model_upward EQUAL 0)
  message(FATAL_ERROR "a model file could include a header of the ui layer")
endif()
if(base_upward EQUAL 0)
  message(FATAL_ERROR "a base file could include a header of the model")
endif()
if(NOT model_own EQUAL 0)
  message(FATAL_ERROR "a model file could not include the model's own header:\n${model_own_errors}")
endif()
if(NOT base_own EQUAL 0)
  message(FATAL_ERROR "a base file could not include its own header:\n${base_own_errors}")
endif()
