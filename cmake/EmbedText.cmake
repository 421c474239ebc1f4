# Writes a C++ source defining one character array with the text of a data file, so that a
# program carries the file without looking for it at run time.
#   INPUT  the file;  OUTPUT  the source written;  NAME  the array's name (in namespace quillmark)
file(READ ${INPUT} text)
if(text MATCHES "\\)embedded\"")
    message(FATAL_ERROR "${INPUT} holds the raw string's closing delimiter")
endif()
file(WRITE ${OUTPUT}.tmp "// Generated from ${INPUT}; do not edit.\nnamespace quillmark {\n"
                         "extern const char ${NAME}[];\nconst char ${NAME}[] = R\"embedded(${text})embedded\";\n}\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
