# Writes the AppStream file from its template. A software centre shows only
# what it can fetch, so the home page and the screenshots (the README's
# pictures) enter only where the build was told where they are published.
# Reads TEMPLATE, OUTPUT, HOME_PAGE, SCREENSHOT_URL, PROJECT_VERSION and
# AMSAVIEW_RELEASE_DATE; runs included or as cmake -P.
set(HOME_PAGE_URL "")
if(HOME_PAGE)
    set(HOME_PAGE_URL "  <url type=\"homepage\">${HOME_PAGE}</url>")
endif()
set(SCREENSHOTS "")
if(SCREENSHOT_URL)
    set(SCREENSHOTS "  <screenshots>\n")
    set(kind " type=\"default\"")
    foreach(shot "input-form.png|The input form with an example birth"
                 "result-rashi.png|The result window: birth details and the Rashi chart"
                 "result-navamsa.png|The result window: the Navamsa chart")
        string(REPLACE "|" ";" shot "${shot}")
        list(GET shot 0 file)
        list(GET shot 1 caption)
        string(APPEND SCREENSHOTS "    <screenshot${kind}>\n"
                                  "      <caption>${caption}</caption>\n"
                                  "      <image>${SCREENSHOT_URL}/${file}</image>\n"
                                  "    </screenshot>\n")
        set(kind "")
    endforeach()
    string(APPEND SCREENSHOTS "  </screenshots>")
endif()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
