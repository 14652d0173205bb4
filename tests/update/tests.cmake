# The script tests replace and start a program file: start_recorder.exe
# records every start of itself with its command line.
if(WIN32 AND TARGET update_win_tests)
  add_executable(start_recorder WIN32 ${CMAKE_CURRENT_LIST_DIR}/start_recorder_win.cpp)
  add_dependencies(update_win_tests start_recorder)
  target_compile_definitions(update_win_tests PRIVATE
    ORVX_START_RECORDER="${ORVX_PATH_PREFIX}$<TARGET_FILE:start_recorder>")
endif()
