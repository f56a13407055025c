# Installs the build into a scratch prefix and checks that a Linux desktop
# finds the programs, their menu entry, icon, manual pages and AppStream file
# there, and that the user guide lies where the program looks for it
# (bin/../share/doc/amsaview/guide).
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(guide share/doc/amsaview/guide)
foreach(path bin/amsaview bin/amsaview-chart share/applications/amsaview.desktop
             share/icons/hicolor/scalable/apps/amsaview.svg ${guide}/index.html
             share/man/man1/amsaview.1.gz share/man/man1/amsaview-chart.1.gz
             share/metainfo/org.amsaview.Amsaview.metainfo.xml
             share/doc/amsaview/copyright share/doc/amsaview/changelog.gz)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# The entry starts the installed program by name and names the installed icon.
file(STRINGS "${PREFIX}/share/applications/amsaview.desktop" entry)
foreach(line "[Desktop Entry]" "Type=Application" "Exec=amsaview" "Icon=amsaview")
    list(FIND entry "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks: ${line}")
    endif()
endforeach()

# The guide is whole and every picture it shows is installed beside it.
file(READ "${PREFIX}/${guide}/index.html" page)
foreach(topic "<title>Amsaview user guide</title>" "amsaview-chart" "</html>")
    string(FIND "${page}" "${topic}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "user guide lacks: ${topic}")
    endif()
endforeach()
string(REGEX MATCHALL "src=\"[^\"]+\"" pictures "${page}")
if(NOT pictures)
    message(FATAL_ERROR "user guide shows no pictures")
endif()
foreach(picture IN LISTS pictures)
    string(REGEX REPLACE "src=\"([^\"]+)\"" "\\1" file "${picture}")
    if(NOT EXISTS "${PREFIX}/${guide}/${file}")
        message(FATAL_ERROR "user guide shows a missing picture: ${file}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
