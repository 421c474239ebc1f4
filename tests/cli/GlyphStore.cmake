# The glyph store between runs: a picture drawn from it is byte for byte the picture FreeType drew
# on the first run, a run that finds it does not load FreeType at all, and damaged store files are
# rebuilt without a trace in the picture.
#   PROGRAM  the program;  WORK  a folder of the test's own (its cache folder too)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(ENV{XDG_CACHE_HOME} ${WORK}/cache)
set(store ${WORK}/cache/quillmark-glyphs)

function(draw name case)
    string(REPLACE " " ";" arguments "${case}")
    execute_process(COMMAND ${PROGRAM} ${arguments} -o ${WORK}/${name}.png
                    RESULT_VARIABLE status ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${case}: exit status ${status}\n${err}")
    endif()
    set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_same name case)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/first.png ${WORK}/${name}.png
                    RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "${case}: the ${name} picture differs from the first")
    endif()
endfunction()

# Text sizes from a few pixels to the largest kept, add-ons, the ISBN line, GS1-128's brackets.
foreach(case "--type EAN-13 --data 400638133393"
             "--type UPC-E --data 0123456 --addon 12345 --scale 2.5"
             "--type ISBN-13 --data 978186197271 --scale 0.8"
             "--type ITF-14 --data 1540014128876 --dpi 600"
             "--type GS1-128 --data (01)04006381333931(10)ABC123 --scale 47")
    file(REMOVE_RECURSE ${WORK}/cache)
    draw(first "${case}")
    file(GLOB kept ${store}/*.bin)
    if(NOT kept)
        message(FATAL_ERROR "${case}: the first run kept no glyph store in ${store}")
    endif()
    set(ENV{LD_DEBUG} libs)
    draw(stored "${case}")
    unset(ENV{LD_DEBUG})
    expect_same(stored "${case}")
    if(err MATCHES "libfreetype")
        message(FATAL_ERROR "${case}: the run with a whole store loaded FreeType")
    endif()
    # Each file cut short, then each with bytes in its middle overwritten.
    foreach(damage truncated overwritten)
        file(GLOB kept ${store}/*.bin)
        foreach(file ${kept})
            file(SIZE ${file} size)
            math(EXPR half "${size} / 2")
            if(damage STREQUAL truncated)
                execute_process(COMMAND truncate -s ${half} ${file})
            else()
                execute_process(COMMAND dd if=/dev/zero of=${file} bs=1 seek=${half} count=3
                                        conv=notrunc status=none)
            endif()
        endforeach()
        draw(${damage} "${case}")
        expect_same(${damage} "${case}")
    endforeach()
endforeach()
