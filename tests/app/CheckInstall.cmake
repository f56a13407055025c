# Installs the build into a scratch prefix and checks that a Linux desktop
# finds the program, its menu entry and its icon there.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

foreach(path bin/amsaview share/applications/amsaview.desktop
             share/icons/hicolor/scalable/apps/amsaview.svg)
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
file(REMOVE_RECURSE "${PREFIX}")
