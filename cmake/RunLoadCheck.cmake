# Loads the Windows add-on library under Wine as Visio loads it on a user's machine: the
# library copied alone into a fresh folder and loaded by its full path by the loader
# (tests/loadcheck), itself copied into a folder of its own and run from a third folder,
# so that nothing of the build lies where Windows looks for the DLLs a library imports.
#   cmake -DEMULATOR=wine -DLOADER=qav_load_check.exe -DLIBRARY=QAVSupportTools.vsl
#         -DWORK=DIR -P RunLoadCheck.cmake
foreach(var EMULATOR LOADER LIBRARY WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunLoadCheck.cmake needs -D${var}=...")
  endif()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/WindowsPath.cmake)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/addon" "${WORK}/loader" "${WORK}/elsewhere")
file(COPY "${LIBRARY}" DESTINATION "${WORK}/addon")
file(COPY "${LOADER}" DESTINATION "${WORK}/loader")
get_filename_component(library_name "${LIBRARY}" NAME)
get_filename_component(loader_name "${LOADER}" NAME)
windows_path("${WORK}/addon/${library_name}" library)

execute_process(
  COMMAND ${EMULATOR} "${WORK}/loader/${loader_name}" "${library}"
  WORKING_DIRECTORY "${WORK}/elsewhere"
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE exit_code)
message("${output}")
if(NOT exit_code EQUAL 0)
  message(FATAL_ERROR "the library alone failed the load check (${exit_code}):\n${errors}")
endif()
