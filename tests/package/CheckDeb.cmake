# Builds the Debian package of this build folder with cpack and checks what
# it holds, what it depends on and what lintian says of it.
if(NOT DPKG_DEB)
    message("SKIPPED: dpkg-deb is not installed")
    return()
endif()
execute_process(COMMAND mktemp -d OUTPUT_VARIABLE scratch OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${scratch}"
                RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
set(deb "${scratch}/amsaview_${VERSION}_amd64.deb")
if(NOT status EQUAL 0 OR NOT EXISTS "${deb}")
    message(FATAL_ERROR "cpack failed (${status}) or wrote no ${deb}:\n${said}")
endif()

execute_process(COMMAND "${DPKG_DEB}" --contents "${deb}" OUTPUT_VARIABLE contents)
foreach(path usr/bin/amsaview usr/bin/amsaview-chart
             usr/share/applications/amsaview.desktop
             usr/share/icons/hicolor/scalable/apps/amsaview.svg
             usr/share/man/man1/amsaview.1.gz usr/share/man/man1/amsaview-chart.1.gz
             usr/share/metainfo/org.amsaview.Amsaview.metainfo.xml
             usr/share/doc/amsaview/copyright usr/share/doc/amsaview/changelog.gz
             usr/share/doc/amsaview/guide/index.html)
    if(NOT contents MATCHES " \\./${path}\n")
        message(FATAL_ERROR "the package lacks /${path}:\n${contents}")
    endif()
endforeach()
# Nothing of the build tree or the tests rides along.
if(contents MATCHES "\\.a\n|/include/|_test\n")
    message(FATAL_ERROR "the package holds build leftovers:\n${contents}")
endif()

execute_process(COMMAND "${DPKG_DEB}" --field "${deb}" Package Version Architecture Depends
                OUTPUT_VARIABLE fields)
foreach(field "Package: amsaview" "Version: ${VERSION}" "Architecture: amd64")
    string(FIND "${fields}" "${field}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the package's control lacks \"${field}\":\n${fields}")
    endif()
endforeach()
# The data read at run time, and the libraries dpkg-shlibdeps found.
foreach(dependency swe-basic-data tzdata libqt6sql6-sqlite libqt6widgets6 "libswe[0-9.]*")
    if(NOT fields MATCHES "[:,] ${dependency}[ ,(\n]")
        message(FATAL_ERROR "the package does not depend on ${dependency}:\n${fields}")
    endif()
endforeach()

if(NOT LINTIAN)
    message("SKIPPED: lintian is not installed; the package's contents are right")
    file(REMOVE_RECURSE "${scratch}")
    return()
endif()
execute_process(COMMAND "${LINTIAN}" --fail-on error --tag-display-limit 0 "${deb}"
                RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
message("${said}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian found errors in ${deb}")
endif()
file(REMOVE_RECURSE "${scratch}")
