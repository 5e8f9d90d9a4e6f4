# The layers of src/ from the bottom: model <- export <- graph, texts <- ui <- forms, and the
# front ends cli, python and web beside forms. Each layer's library exports only its own headers:
# its include root holds one entry, named after the layer, that leads to src/<layer>. Whatever
# links a layer includes "<layer>/x.h"; a layer that tried to include one above it would not find
# the header, because nothing it links exports that layer's root.
function(tubeline_layer_root target layer)
  set(root ${CMAKE_BINARY_DIR}/layers/${layer})
  if(NOT EXISTS ${root}/${layer})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${layer} ${root}/${layer} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
