# The WebAssembly build (emscripten, `cmake --preset wasm`): the core, the
# teaching records, the program files and the runner, without Qt.
#
# A program error or a refused figure is a C++ exception caught on its way
# up: without -fexceptions emscripten aborts the whole module at the throw.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# Linking optimised code runs emscripten's JavaScript optimizer, which needs
# Debian's acorn module; a Node installed from elsewhere does not look where
# Debian keeps its modules.
if(EXISTS /usr/share/nodejs/acorn)
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
endif()

# The runner as one file that Node runs as it is, `node tarvo-cli.cjs PROGRAM
# [options]`: the module inlined, the real file system (NODERAWFS) for the
# program and the outputs, memory that grows with a long run up to the 4 GiB
# a 32-bit module can address (the recorded cut alone may take 1 GiB), the
# exit status handed back to the shell once the streams are flushed, and the
# shell's locale variables, which choose the language.
function(tarvo_node_program target)
  set(locale ${PROJECT_SOURCE_DIR}/cmake/NodeLocale.js)
  set_target_properties(${target} PROPERTIES SUFFIX .cjs LINK_DEPENDS ${locale})
  target_link_options(${target} PRIVATE -sSINGLE_FILE=1 -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1
                      -sMAXIMUM_MEMORY=4GB -sEXIT_RUNTIME=1 -sENVIRONMENT=node
                      "SHELL:--pre-js ${locale}")
endfunction()
