# The update tests install a newer program over the running one: OrvaneX.exe
# built from the same sources with the next build number in its version
# resource, as next-version/OrvaneX.exe. The tests know that version as
# ORVX_NEXT_VERSION.
function(orvx_add_next_version_program)
  set(build ${PROJECT_VERSION_TWEAK})
  if(build STREQUAL "")
    set(build 0)
  endif()
  math(EXPR build "${build} + 1")
  # The names version.h.in takes, for this function only.
  set(PROJECT_VERSION_TWEAK ${build})
  set(PROJECT_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${build})
  set(dir ${CMAKE_BINARY_DIR}/next-version)
  configure_file(${PROJECT_SOURCE_DIR}/resources/version.h.in ${dir}/generated/version.h @ONLY)
  add_executable(OrvaneX_next WIN32 ${PROJECT_SOURCE_DIR}/src/app/main_win.cpp
                                    ${PROJECT_SOURCE_DIR}/resources/orvanex.rc)
  target_include_directories(OrvaneX_next PRIVATE ${dir}/generated)
  target_link_libraries(OrvaneX_next PRIVATE orvx_core)
  set_target_properties(OrvaneX_next PROPERTIES OUTPUT_NAME OrvaneX RUNTIME_OUTPUT_DIRECTORY ${dir})
  add_custom_command(TARGET OrvaneX_next POST_BUILD
    COMMAND ${CMAKE_STRIP} --strip-all $<TARGET_FILE:OrvaneX_next>
    VERBATIM)
  add_dependencies(settings_win_tests OrvaneX_next)
  target_compile_definitions(settings_win_tests PRIVATE ORVX_NEXT_VERSION="${PROJECT_VERSION}")
endfunction()

if(WIN32 AND TARGET settings_win_tests)
  orvx_add_next_version_program()
endif()
