# The program file as it is shipped (program_file_check.cmake): only system
# DLLs, stripped, its symbols in OrvaneX.dbg beside it. The check reads the
# file with the toolchain's objdump; nothing runs under Wine. Labelled
# "shipped": scripts/test runs it in the other route's tree too, which builds
# the program file alone.
if(WIN32 AND TARGET OrvaneX)
  add_test(NAME app_program_file
           COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:OrvaneX> -DOBJDUMP=${CMAKE_OBJDUMP}
                   -P ${CMAKE_CURRENT_LIST_DIR}/program_file_check.cmake)
  set_tests_properties(app_program_file PROPERTIES TIMEOUT 60 LABELS shipped)
endif()
