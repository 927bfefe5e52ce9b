# Runs orbello-replay on SCRIPT and compares its transcript with EXPECTED and its exit status
# with the number in STATUS_FILE (0 when that file does not exist).
execute_process(COMMAND ${TOOL} ${SCRIPT} OUTPUT_VARIABLE actual ERROR_VARIABLE errors
                RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
set(expected_status 0)
if(EXISTS ${STATUS_FILE})
  file(STRINGS ${STATUS_FILE} expected_status LIMIT_COUNT 1)
endif()
if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${errors}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${ACTUAL} "${actual}")
  message(FATAL_ERROR "transcript differs from ${EXPECTED}; see ${ACTUAL}\n"
                      "diff: diff ${EXPECTED} ${ACTUAL}")
endif()
