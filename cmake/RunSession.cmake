# Plays a runner session and compares what qavhost prints with the expected transcript.
#   cmake -DQAVHOST=... -DSESSION=NAME.qav -DEXPECTED=NAME.expected -DWORK=DIR -P RunSession.cmake
# qavhost names its own folder <bin> when it loads the library beside it; any other
# mention of that folder reads as <bin> too, so the transcript does not depend on the
# build folder. The session gets a temporary folder of its own, so sessions can run side
# by side. With -DUPDATE=ON the transcript is written to EXPECTED instead.
foreach(var QAVHOST SESSION EXPECTED WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunSession.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "TMPDIR=${WORK}" "${QAVHOST}" "${SESSION}"
  OUTPUT_VARIABLE transcript
  ERROR_VARIABLE errors
  RESULT_VARIABLE exit_code)
get_filename_component(bin_dir "${QAVHOST}" DIRECTORY)
string(REPLACE "${bin_dir}" "<bin>" transcript "${transcript}")

if(UPDATE)
  file(WRITE "${EXPECTED}" "${transcript}")
  message(STATUS "wrote ${EXPECTED}")
  return()
endif()

file(READ "${EXPECTED}" expected)
if(NOT exit_code EQUAL 0)
  message(FATAL_ERROR "qavhost exited with ${exit_code}:\n${errors}\n${transcript}")
endif()
if(NOT transcript STREQUAL expected)
  file(WRITE "${WORK}/actual.txt" "${transcript}")
  execute_process(COMMAND diff -u "${EXPECTED}" "${WORK}/actual.txt")
  message(FATAL_ERROR "the transcript differs from ${EXPECTED} (see the diff above)")
endif()
file(REMOVE_RECURSE "${WORK}")
