# The libraries quillmark-render needs, read from its dynamic section: no Qt library, no ZXing-C++
# and none of the 2D encoders' libraries, which only its modules load; neither FreeType, fontconfig,
# libjpeg, libpng nor libcsv, which it opens on first use. The PDF module, which does need Qt Gui,
# shows that the listing is read right.
#   PROGRAM  the program;  MODULE  the PDF module
function(needed file result)
    execute_process(COMMAND readelf -d ${file} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*" entries "${out}")
    if(NOT status EQUAL 0 OR entries STREQUAL "")
        message(FATAL_ERROR "readelf -d ${file}: exit status ${status}\n${out}${err}")
    endif()
    set(${result} "${entries}" PARENT_SCOPE)
endfunction()

needed(${PROGRAM} program)
if(program MATCHES
   "libQt6|libZXing|libdmtx|libqrencode|libzint|libfreetype|libfontconfig|libjpeg|libpng|libcsv")
    message(FATAL_ERROR "quillmark-render links a library it should load on demand:\n${program}")
endif()
needed(${MODULE} module)
if(NOT module MATCHES "libQt6Gui")
    message(FATAL_ERROR "the PDF module does not list Qt Gui:\n${module}")
endif()
