# quillmark-render copied without its modules: a PDF fails naming the missing PDF module, reading
# back (--verify, --check, a batch's --check) fails naming the missing scan module, a 2D symbol the missing 2D module,
# every other format is made, and a batch makes its other rows and fails only the PDF row.
#   PROGRAM  the built program;  WORK  a scratch folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${PROGRAM} DESTINATION ${WORK})
get_filename_component(name ${PROGRAM} NAME)
set(alone ${WORK}/${name})
set(symbol --type EAN-13 --data 4006381333931)

function(expect status stderr)
    execute_process(COMMAND ${alone} ${ARGN} RESULT_VARIABLE got OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT got STREQUAL status OR NOT err MATCHES "${stderr}")
        message(FATAL_ERROR "${ARGN}: exit status ${got} (expected ${status})\n${out}${err}")
    endif()
endfunction()

set(missing "cannot make PDF pictures: [^\n]*quillmark-pdf\\.so: cannot open shared object file")
expect(2 "^quillmark-render: ${missing}[^\n]*\n$" ${symbol} -o ${WORK}/s.pdf)
expect(2 "${missing}" ${symbol} -o - --format pdf)
if(EXISTS ${WORK}/s.pdf)
    message(FATAL_ERROR "a PDF was written without the module")
endif()
foreach(format png bmp jpg svg)
    expect(0 "^$" ${symbol} -o ${WORK}/s.${format})
endforeach()
set(unread "cannot read pictures back: [^\n]*quillmark-scan\\.so: cannot open shared object file")
expect(2 "^quillmark-render: ${unread}[^\n]*\n$" ${symbol} -o ${WORK}/v.png --verify)
expect(2 "^quillmark-render: ${unread}[^\n]*\n$" ${symbol} --check)
set(no2d "cannot make 2D symbols: [^\n]*quillmark-matrix\\.so: cannot open shared object file")
expect(2 "^quillmark-render: ${no2d}[^\n]*\n$" --type GS1-DATAMATRIX --data "(01)09501101530003"
       -o ${WORK}/m.png)

file(WRITE ${WORK}/rows.csv "type,data,output\nEAN-8,96385074,${WORK}/b.pdf\nEAN-8,96385074,${WORK}/b.png\n")
expect(1 "row 2: ${missing}.*1 made, 1 failed" --batch ${WORK}/rows.csv)
if(NOT EXISTS ${WORK}/b.png OR EXISTS ${WORK}/b.pdf)
    message(FATAL_ERROR "the batch did not make exactly its PNG row")
endif()
expect(1 "row 3: ${unread}.*0 made, 2 failed" --batch ${WORK}/rows.csv --verify)
# The checks read every row back before its picture is made: both rows fail, neither is written.
file(REMOVE ${WORK}/b.png)
expect(1 "row 2: ${unread}[^\n]*\nquillmark-render: row 3: ${unread}.*0 made, 2 failed"
       --batch ${WORK}/rows.csv --check)
if(EXISTS ${WORK}/b.png)
    message(FATAL_ERROR "a batch row was written although its checks could not be made")
endif()
