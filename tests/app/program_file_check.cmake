# Checks the program file users get: it needs no DLL beyond the system's own,
# carries no debug sections, and names its symbol file, which lies beside it.
# Run with -DPROGRAM=<OrvaneX.exe> -DOBJDUMP=<the toolchain's objdump>.
cmake_minimum_required(VERSION 3.25)
set(system_dlls advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll
    oleaut32.dll shell32.dll user32.dll version.dll wininet.dll winspool.drv)

execute_process(COMMAND ${OBJDUMP} -p -h ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(line ${imports})
  string(REGEX REPLACE "^DLL Name: *" "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    message(SEND_ERROR "${PROGRAM} needs ${dll}, which is no DLL of the system")
  endif()
endforeach()

if(dump MATCHES "[ \t]\\.debug_[a-z]+[ \t]")
  message(SEND_ERROR "${PROGRAM} carries debug sections: it was not stripped")
endif()
if(NOT dump MATCHES "[ \t]\\.gnu_debuglink[ \t]")
  message(SEND_ERROR "${PROGRAM} does not name its symbol file")
endif()
get_filename_component(folder ${PROGRAM} DIRECTORY)
if(NOT EXISTS ${folder}/OrvaneX.dbg)
  message(SEND_ERROR "no symbol file OrvaneX.dbg beside ${PROGRAM}")
endif()
