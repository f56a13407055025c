# appstreamcli finds neither an error nor a warning in the AppStream file
# as built, nor in one built with a home page, which adds the screenshots.
if(NOT APPSTREAMCLI)
    message("SKIPPED: appstreamcli is not installed")
    return()
endif()

function(validate file)
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net --no-color "${file}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT status EQUAL 0 OR said MATCHES "(^|\n)[EW]: ")
        message(FATAL_ERROR "appstreamcli validate ${file}: status ${status}\n${said}")
    endif()
endfunction()

validate("${BUILT}")

execute_process(COMMAND mktemp -d OUTPUT_VARIABLE scratch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(OUTPUT "${scratch}/org.amsaview.Amsaview.metainfo.xml")
set(HOME_PAGE "https://example.org/amsaview")
set(SCREENSHOT_URL "https://example.org/amsaview/screenshots")
include("${WRITER}")
file(READ "${OUTPUT}" written)
foreach(picture input-form.png result-rashi.png result-navamsa.png)
    string(FIND "${written}" "<image>${SCREENSHOT_URL}/${picture}</image>" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the screenshots lack ${picture}:\n${written}")
    endif()
endforeach()
validate("${OUTPUT}")
file(REMOVE_RECURSE "${scratch}")
