# What both install checks share: the expected files as a list, and run(), which runs a command
# and stops the check with its output when it fails, leaving its output in out and err.
string(REPLACE "|" ";" files "${FILES}")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN}: exit status ${status}\n${out}${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()
