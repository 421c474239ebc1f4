# Builds the Debian package from this build and checks it as a user's machine would meet it: its
# files, its control fields, lintian's verdict, and the renderer run from the unpacked package.
#   BUILD_DIR  the build;  WORK_DIR  where to work;  FILES  the expected files, "|"-separated
#   VERSION  the project version
include(${CMAKE_CURRENT_LIST_DIR}/Run.cmake)
set(work ${WORK_DIR}/package)
file(REMOVE_RECURSE ${work})

run(cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${work})
file(GLOB packages ${work}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} packages: ${packages}")
endif()
if(NOT packages MATCHES "/quillmark_${VERSION}_[a-z0-9]+\\.deb$")
    message(FATAL_ERROR "unexpected package name: ${packages}")
endif()

run(dpkg-deb --contents ${packages})
foreach(file ${files})
    if(NOT out MATCHES " \\./${file}\n")
        message(FATAL_ERROR "the package lacks ${file}:\n${out}")
    endif()
endforeach()

# The libraries come from the programs, the fonts and Qt's SVG icon engine from the package's own
# list; only the OCR-B typeface is left to the user.
foreach(field "Package: quillmark" "Version: ${VERSION}" "Section: graphics"
              "Depends: .*fonts-liberation2" "Depends: .*libqt6svg6" "Depends: .*libqt6widgets6 \\(>="
              "Depends: .*libqt6gui6 \\(>=" "Depends: .*libfontconfig1 \\(>="
              "Depends: .*libc6 \\(>=" "Recommends: fonts-ocr-b" "Maintainer: The Quillmark project <")
    run(dpkg-deb --field ${packages})
    if(NOT out MATCHES "(^|\n)${field}")
        message(FATAL_ERROR "the control fields lack ${field}:\n${out}")
    endif()
endforeach()

find_program(LINTIAN lintian)
if(LINTIAN)
    run(${LINTIAN} --fail-on error,warning ${packages})
endif()

# The unpacked renderer runs on the system's Qt libraries and draws a symbol.
set(root ${work}/root)
run(dpkg-deb -x ${packages} ${root})
set(picture ${work}/symbol.png)
set(ENV{QT_QPA_PLATFORM} offscreen)
run(${root}/usr/bin/quillmark-render --type EAN-13 --data 4006381333931 -o ${picture})
file(READ ${picture} signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "the unpacked renderer wrote no PNG picture (${signature})")
endif()
# PDF pictures come from the module installed beside the renderer.
run(${root}/usr/bin/quillmark-render --type EAN-13 --data 4006381333931 -o ${work}/symbol.pdf)
file(READ ${work}/symbol.pdf signature LIMIT 4 HEX)
if(NOT signature STREQUAL "25504446")  # %PDF
    message(FATAL_ERROR "the unpacked renderer wrote no PDF (${signature})")
endif()
# The unpacked renderer names the package's version.
execute_process(COMMAND ${root}/usr/bin/quillmark-render --version
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "${VERSION}")
    message(FATAL_ERROR "--version: exit status ${status}, printed ${out}${err}, not ${VERSION}")
endif()
