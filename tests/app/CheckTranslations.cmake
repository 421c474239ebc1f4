# Runs lupdate over the window's sources into a copy of the committed English translation and fails
# when a text has no finished translation there, the file keeps one the sources no longer have, or
# lupdate cannot tell which context a text belongs to.
# -DLUPDATE=<program> -DTS=<committed .ts> -DTEXTS=<list of sources> -DINCLUDE=<src> -DWORK=<folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(ts_name ${TS} NAME)
set(copy ${WORK}/${ts_name})
file(COPY_FILE ${TS} ${copy})
execute_process(COMMAND ${LUPDATE} -I ${INCLUDE} -locations none @${TEXTS} -ts ${copy}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
# Its diagnostics name a source line ("…/MainForm.cpp:198: Qualifying with unknown class").
if(output MATCHES "[^\n]+:[0-9]+: [^\n]+")
    message(FATAL_ERROR "lupdate could not place every text:\n${output}")
endif()

file(READ ${copy} ts)
string(REGEX MATCHALL "<message>[^<]*<source>[^<]*</source>[^<]*<translation type=\"[a-z]+\""
       unsettled "${ts}")
string(REGEX MATCHALL "<message>" messages "${ts}")
list(LENGTH messages count)
if(count EQUAL 0)
    message(FATAL_ERROR "lupdate found no text in the sources listed in ${TEXTS}")
endif()
if(unsettled)
    list(JOIN unsettled "\n" shown)
    message(FATAL_ERROR "Texts without a finished translation in ${TS}, or no longer in the "
                        "sources (run the target update_translations, then translate):\n${shown}")
endif()
message(STATUS "${count} texts, each translated")
