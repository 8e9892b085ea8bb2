# Writes the version source at build time, so the commit named is the one built. configure_file
# leaves the file alone when nothing changed, so an unchanged tree rebuilds nothing.
# In: SOURCE_DIR, VERSION, INPUT, OUTPUT.
set(ZOMA_VERSION "${VERSION}")
set(ZOMA_COMMIT "")
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND "${GIT_EXECUTABLE}" -C "${SOURCE_DIR}" describe --always --dirty --abbrev=12 --exclude=*
                  OUTPUT_VARIABLE ZOMA_COMMIT OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_status ERROR_QUIET)
  if(NOT git_status EQUAL 0)
    set(ZOMA_COMMIT "")
  endif()
endif()
configure_file("${INPUT}" "${OUTPUT}" @ONLY)
