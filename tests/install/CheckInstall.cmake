# Installs the build into a staging folder and checks the files the desktop needs: all present,
# the icons at their sizes, the menu entry and the metadata valid and naming each other.
#   BUILD_DIR  the build;  WORK_DIR  where to stage;  FILES  the expected files, "|"-separated
#   APP_ID, VERSION  the application id and the project version
include(${CMAKE_CURRENT_LIST_DIR}/Run.cmake)
set(stage ${WORK_DIR}/stage)
file(REMOVE_RECURSE ${stage})

set(ENV{DESTDIR} ${stage})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
unset(ENV{DESTDIR})

foreach(file ${files})
    if(NOT EXISTS ${stage}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
    # A PNG states its width and height in the header's first chunk, bytes 16 to 23.
    if(file MATCHES "/([0-9]+)x([0-9]+)/apps/.*\\.png$")
        file(READ ${stage}/${file} header LIMIT 24 HEX)
        string(SUBSTRING "${header}" 32 8 width)
        string(SUBSTRING "${header}" 40 8 height)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT width EQUAL CMAKE_MATCH_1 OR NOT height EQUAL CMAKE_MATCH_2)
            message(FATAL_ERROR "${file} is ${width}x${height}")
        endif()
    endif()
endforeach()

set(desktop ${stage}/usr/share/applications/${APP_ID}.desktop)
set(metainfo ${stage}/usr/share/metainfo/${APP_ID}.metainfo.xml)
run(desktop-file-validate ${desktop})
if("${out}${err}" MATCHES "error:|warning:")
    message(FATAL_ERROR "desktop-file-validate:\n${out}${err}")
endif()
run(appstreamcli validate --no-net ${metainfo})

# The entry starts the installed program with the installed icon, and the metadata launches the
# entry of this release.
file(READ ${desktop} entry)
foreach(line "Exec=quillmark\n" "Icon=${APP_ID}\n" "Categories=Office;Graphics;\n" "Comment=" "Comment\\[ru\\]=")
    if(NOT entry MATCHES "\n${line}")
        message(FATAL_ERROR "the menu entry has no line ${line}:\n${entry}")
    endif()
endforeach()
file(READ ${metainfo} metadata)
foreach(element "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
                "<release version=\"${VERSION}\" date=\"[0-9-]+\"/>" "<content_rating" "<screenshot ")
    if(NOT metadata MATCHES "${element}")
        message(FATAL_ERROR "the metadata has no ${element}")
    endif()
endforeach()

# The manual pages are formatted without complaint; the renderer's lists its options.
foreach(page quillmark quillmark-render)
    set(ENV{MANWIDTH} 80)
    run(man --warnings -E UTF-8 -l ${stage}/usr/share/man/man1/${page}.1.gz)
    if(NOT err STREQUAL "")
        message(FATAL_ERROR "man ${page}:\n${err}")
    endif()
    if(page STREQUAL quillmark-render AND NOT out MATCHES "--scale")
        message(FATAL_ERROR "the manual page of quillmark-render lacks its options:\n${out}")
    endif()
endforeach()
