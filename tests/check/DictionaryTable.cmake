# Runs the dictionary's build step on small dictionaries: a sound one becomes the expected table
# rows; a line it cannot read stops the build with the line's AI.
set(header "# Release: 2099-01-01\n")
file(WRITE "${WORK}/sound.txt" "${header}
3100-3105 * N6                          req=01,02 ex=310n                  # NET WEIGHT (kg)
7007        N6,yymmdd [N6],yymmdd       req=01,02                          # HARVEST DATE
8110        X..70,couponcode
01        * N14,csum,key                ex=02,255,37 dlpkey=22,10,21|235   # GTIN
00        * N18,csum,key                dlpkey                             # SSCC
")
execute_process(COMMAND "${CMAKE_COMMAND}" -DINPUT=${WORK}/sound.txt -DOUTPUT=${WORK}/sound.inc
                        -P "${GENERATOR}" RESULT_VARIABLE status ERROR_VARIABLE err)
file(READ "${WORK}/sound.inc" table)
foreach(row
        "kEdition[] = \"2099-01-01\""
        "std::array<E, 5>"
        "E{\"3100\", \"3105\", true, {C{'N', 6, 6, false, {}}, }, 1, {\"01,02\", }, \"310n\", \"NET WEIGHT (kg)\", false, \"\"}"
        "C{'N', 6, 6, true, {L::yymmdd}}"
        "E{\"8110\", \"8110\", false, {C{'X', 1, 70, false, {L::couponcode}}, }, 1, {}, \"\", \"\", false, \"\"}"
        "\"GTIN\", true, \"22,10,21|235\"}"
        "\"SSCC\", true, \"\"}")
    string(FIND "${table}" "${row}" at)
    if(NOT status EQUAL 0 OR at EQUAL -1)
        message(FATAL_ERROR "the table lacks ${row} (${status}): ${err}\n${table}")
    endif()
endforeach()
foreach(bad "7007        N6,yymmdd foo=1" "7007        Q6" "70x7        N6" "7007        N6 N1 N1 N1 N1 N1"
        "7007        N6 dlpkey=1a")
    file(WRITE "${WORK}/bad.txt" "${header}${bad}\n")
    execute_process(COMMAND "${CMAKE_COMMAND}" -DINPUT=${WORK}/bad.txt -DOUTPUT=${WORK}/bad.inc
                            -P "${GENERATOR}" RESULT_VARIABLE status ERROR_VARIABLE err)
    if(status EQUAL 0 OR NOT err MATCHES "70[0x]7")
        message(FATAL_ERROR "the line \"${bad}\" was accepted (${status}): ${err}")
    endif()
endforeach()
