# Writes OUTPUT: one raw string constant per station table in STATION_FOLDER.
set(header "// Generated at build time from src/retro/stations; edit those files instead.\n")
string(APPEND header "#pragma once\n\n#include <string_view>\n\nnamespace amsaview {\n")
foreach(planet IN ITEMS Mercury Venus Mars Jupiter Saturn)
    string(TOLOWER ${planet} file_name)
    file(READ ${STATION_FOLDER}/${file_name}.txt text)
    string(APPEND header
           "\ninline constexpr std::string_view k${planet}StationText = R\"stations(${text})stations\";\n")
endforeach()
string(APPEND header "\n}  // namespace amsaview\n")
file(WRITE ${OUTPUT} "${header}")
