# Turns data/isbn-ranges.txt into the constant tables of ISBNAreas.cpp (an include file).
#   cmake -DINPUT=data/isbn-ranges.txt -DOUTPUT=ISBNRangesTable.inc -P IsbnRangesTable.cmake
file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(edition "")
set(lengths "")
set(areas "")
set(texts "")
set(text_size 0)
set(group_count 0)
set(length_count 0)
foreach(line IN LISTS lines)
    if(line MATCHES "^#" OR line STREQUAL "")
        continue()
    endif()
    # A ';' in a line would split it as a CMake list; the ranges' separators are kept as '/'.
    string(REPLACE ";" "/" line "${line}")
    string(REPLACE "\\" "\\\\" line "${line}")
    string(REPLACE "\"" "\\\"" line "${line}")
    if(line MATCHES "^edition\\|(.+)$")
        set(edition "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^prefix\\|(97[89])\\|([0-9]+)-([0-9]+)\\|([1-7])$")
        math(EXPR low "${CMAKE_MATCH_2}" OUTPUT_FORMAT DECIMAL)
        math(EXPR high "${CMAKE_MATCH_3}" OUTPUT_FORMAT DECIMAL)
        string(APPEND lengths "    {${CMAKE_MATCH_1}, ${low}, ${high}, ${CMAKE_MATCH_4}},\n")
        math(EXPR length_count "${length_count} + 1")
    elseif(line MATCHES "^group\\|(97[89])\\|([0-9]+)\\|([^|]*)\\|([-0-9/]*)$")
        # The row holds where its name and ranges stand in kAreaTexts: a table of pointers would
        # be relocated, page by page, whenever a program starts.
        set(name "${CMAKE_MATCH_3}")
        string(REPLACE "/" ";" ranges "${CMAKE_MATCH_4}")
        string(REPLACE "\\\"" "\"" raw_name "${name}")
        string(REPLACE "\\\\" "\\" raw_name "${raw_name}")
        string(LENGTH "${raw_name}" name_size)
        string(LENGTH "${ranges}" ranges_size)
        math(EXPR ranges_start "${text_size} + ${name_size}")
        string(APPEND areas "    {${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, ${text_size}, ${name_size}, "
                            "${ranges_start}, ${ranges_size}},\n")
        string(APPEND texts "    \"${name}\" \"${ranges}\"\n")
        math(EXPR text_size "${ranges_start} + ${ranges_size}")
        math(EXPR group_count "${group_count} + 1")
    else()
        message(FATAL_ERROR "${INPUT}: cannot read the line \"${line}\"")
    endif()
endforeach()
if(edition STREQUAL "" OR group_count EQUAL 0 OR length_count EQUAL 0)
    message(FATAL_ERROR "${INPUT}: no edition, groups or group lengths")
endif()
file(WRITE "${OUTPUT}.new" "// Generated from data/isbn-ranges.txt at build time; edit that file instead.
inline constexpr char kRangesEdition[] = \"${edition}\";
// clang-format off
constexpr TISBNGroupLength kGroupLengths[] = {
${lengths}};
constexpr char kAreaTexts[] =
${texts};
static_assert(sizeof kAreaTexts == ${text_size} + 1);
constexpr TISBNArea kAreas[] = {
${areas}};
// clang-format on
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
