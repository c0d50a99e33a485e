# Plays a runner session in the Windows qavhost under Wine twice: with the add-on finding
# the host in the process, and through COM (the host behind its COM face, found with
# GetActiveObject). Both runs must print the same transcript and leave the same drawings;
# the one through COM must print what the Linux runner prints (EXPECTED) except on the
# lines where a path is printed ("<bin>", "$TMP/"), and qavhost's exit status says that
# the add-on released every object it received through COM.
#   cmake -DEMULATOR=wine -DQAVHOST=qavhost.exe -DSESSION=NAME.qav -DEXPECTED=NAME.expected
#         -DWORK=DIR -P RunComSession.cmake
foreach(var EMULATOR QAVHOST SESSION EXPECTED WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunComSession.cmake needs -D${var}=...")
  endif()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/WindowsPath.cmake)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/tmp")
windows_path("${WORK}/tmp" temporary)
get_filename_component(bin_dir "${QAVHOST}" DIRECTORY)
windows_path("${bin_dir}" windows_bin)

# Plays the session with the extra options; sets <mode>_transcript.
function(play mode)
  windows_path("${WORK}/${mode}.drawings" drawings)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "QAVHOST_TEMP=${temporary}"
            ${EMULATOR} "${QAVHOST}" ${ARGN} --drawing "${drawings}" "${SESSION}"
    OUTPUT_VARIABLE transcript
    ERROR_VARIABLE errors
    RESULT_VARIABLE exit_code)
  string(REPLACE "${windows_bin}" "<bin>" transcript "${transcript}")
  file(WRITE "${WORK}/${mode}.txt" "${transcript}")
  if(NOT exit_code EQUAL 0)
    message(FATAL_ERROR "qavhost (${mode}) exited with ${exit_code}:\n${errors}\n${transcript}")
  endif()
  set(${mode}_transcript "${transcript}" PARENT_SCOPE)
endfunction()

play(in-process --in-process)
play(com)

if(NOT com_transcript STREQUAL in-process_transcript)
  execute_process(COMMAND diff -u "${WORK}/in-process.txt" "${WORK}/com.txt")
  message(FATAL_ERROR "through COM the session printed otherwise than in the process")
endif()
file(READ "${WORK}/in-process.drawings" in_process_drawings)
file(READ "${WORK}/com.drawings" com_drawings)
if(NOT com_drawings STREQUAL in_process_drawings)
  execute_process(COMMAND diff -u "${WORK}/in-process.drawings" "${WORK}/com.drawings")
  message(FATAL_ERROR "through COM the session left other drawings than in the process")
endif()

# Against the Linux runner's transcript: every group of differing lines must replace
# lines that print a path.
execute_process(COMMAND diff "${EXPECTED}" "${WORK}/com.txt" OUTPUT_VARIABLE differences)
string(ASCII 31 separator)
string(REPLACE ";" "${separator}" differences "${differences}")
string(REPLACE "\n" ";" lines "${differences}")
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9,]+a[0-9,]+$")
    set(unexplained "${line}: lines added")
  elseif(line MATCHES "^< " AND NOT line MATCHES "(<bin>|\\$TMP/)")
    set(unexplained "${line}")
  endif()
  if(unexplained)
    execute_process(COMMAND diff "${EXPECTED}" "${WORK}/com.txt")
    string(REPLACE "${separator}" ";" unexplained "${unexplained}")
    message(FATAL_ERROR "the transcript differs from ${EXPECTED} beyond paths: ${unexplained}")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
