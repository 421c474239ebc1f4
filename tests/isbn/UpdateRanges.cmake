# Runs scripts/update-isbn-ranges on a small range message and compares its copy with the
# expected one: undefined rules left out, names on one line, the separator kept out of them.
execute_process(COMMAND "${SCRIPT}" "${SAMPLE}.xml" "${WORK}/ranges.txt" RESULT_VARIABLE status
                ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "update-isbn-ranges failed (${status}): ${err}")
endif()
file(READ "${WORK}/ranges.txt" written)
file(READ "${SAMPLE}.txt" expected)
if(NOT written STREQUAL expected)
    message(FATAL_ERROR "the copy differs:\n${written}")
endif()
# The build step reads what the script writes.
execute_process(COMMAND "${CMAKE_COMMAND}" -DINPUT=${WORK}/ranges.txt -DOUTPUT=${WORK}/table.inc
                        -P "${GENERATOR}" RESULT_VARIABLE status ERROR_VARIABLE err)
file(READ "${WORK}/table.inc" table)
if(NOT status EQUAL 0 OR NOT table MATCHES "\"France / DOM\" \"\"\n"
   OR NOT table MATCHES "{979, 10, 29, 12, 41, 0}")
    message(FATAL_ERROR "the table was not generated (${status}): ${err}\n${table}")
endif()
# A file that is not a range message is refused with its name.
execute_process(COMMAND "${SCRIPT}" "${SAMPLE}.txt" "${WORK}/bad.txt" RESULT_VARIABLE status
                ERROR_VARIABLE err)
if(status EQUAL 0 OR NOT err MATCHES "RangeMessageSample.txt" OR EXISTS "${WORK}/bad.txt")
    message(FATAL_ERROR "a malformed message was accepted (${status}): ${err}")
endif()
