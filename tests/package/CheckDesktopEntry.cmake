# The menu entry passes desktop-file-validate without a word: its hints too
# are faults a menu shows (a program listed twice).
if(NOT VALIDATE)
    message("SKIPPED: desktop-file-validate is not installed")
    return()
endif()
execute_process(COMMAND "${VALIDATE}" "${ENTRY}" RESULT_VARIABLE status
                OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT status EQUAL 0 OR NOT said STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate ${ENTRY}: status ${status}\n${said}")
endif()
