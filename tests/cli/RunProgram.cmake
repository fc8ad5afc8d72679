# Runs PROGRAM (a list: an emulator may come first) with ARGUMENTS (a list) on a machine without
# any display, and checks that it exits with STATUS ("nonzero" or the exact number) and that its
# standard output and standard error match the regular expressions OUTPUT and ERROR. With
# OUTPUT_FILE, standard output must instead equal that file's text.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${PROGRAM} ${ARGUMENTS}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE error
    TIMEOUT 30)
# Windows ends a printed line with CR LF.
string(REPLACE "\r\n" "\n" output "${output}")
string(REPLACE "\r\n" "\n" error "${error}")

if(STATUS MATCHES "^[0-9]+$" AND NOT status STREQUAL STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstdout: ${output}\nstderr: ${error}")
endif()
if(STATUS STREQUAL "nonzero" AND (status STREQUAL "0" OR NOT status MATCHES "^[0-9]+$"))
    message(FATAL_ERROR "exit status ${status}, expected a non-zero status\nstderr: ${error}")
endif()
if(DEFINED OUTPUT_FILE)
    file(READ "${OUTPUT_FILE}" expected)
    if(NOT output STREQUAL expected)
        message(FATAL_ERROR "standard output differs from ${OUTPUT_FILE}:\n${output}")
    endif()
elseif(NOT output MATCHES "${OUTPUT}")
    message(FATAL_ERROR "standard output does not match '${OUTPUT}':\n${output}")
endif()
if(NOT error MATCHES "${ERROR}")
    message(FATAL_ERROR "standard error does not match '${ERROR}':\n${error}")
endif()
