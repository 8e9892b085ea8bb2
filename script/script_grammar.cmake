# Generates the behaviour-script scanner (flex) and parser (bison) into the current binary dir
# and adds them to the given target. Used by the game's build and by the fuzzing build.
set(ZOMA_SCRIPT_GRAMMAR_DIR ${CMAKE_CURRENT_LIST_DIR})

function(zoma_add_script_grammar target)
  set(out ${CMAKE_CURRENT_BINARY_DIR})
  FLEX_TARGET(ScriptScanner ${ZOMA_SCRIPT_GRAMMAR_DIR}/script_scanner.l ${out}/script_scanner.cpp)
  BISON_TARGET(ScriptParser ${ZOMA_SCRIPT_GRAMMAR_DIR}/script_parser.y ${out}/script_parser.cpp
               DEFINES_FILE ${out}/script_parser.hpp)
  ADD_FLEX_BISON_DEPENDENCY(ScriptScanner ScriptParser)
  # The generating rules live in this directory; the target may live in another, so a
  # custom target here orders the generation before the target's compilation.
  add_custom_target(${target}_script_grammar
                    DEPENDS ${FLEX_ScriptScanner_OUTPUTS} ${BISON_ScriptParser_OUTPUTS})
  add_dependencies(${target} ${target}_script_grammar)
  target_sources(${target} PRIVATE ${FLEX_ScriptScanner_OUTPUTS} ${BISON_ScriptParser_OUTPUTS})
  # Generated code: keep the build's warnings about our own sources readable.
  set_source_files_properties(${FLEX_ScriptScanner_OUTPUTS} ${BISON_ScriptParser_OUTPUTS}
                              TARGET_DIRECTORY ${target}
                              PROPERTIES COMPILE_OPTIONS "-Wno-unused-function;-Wno-sign-compare")
endfunction()
