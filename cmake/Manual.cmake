# The player's manual: every language's page (index.html, index.<lang>.html) and the stylesheet
# they share.
file(GLOB ZORVANE_MANUAL_FILES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/dist/manual/*.html ${PROJECT_SOURCE_DIR}/dist/manual/*.css)

# In the build tree a copy of the manual lies in manual/ inside each folder of programs that
# open it: the game's (the build folder) and the tests'.
function(zorvane_copy_manual target folder)
    set(copies)
    foreach(file IN LISTS ZORVANE_MANUAL_FILES)
        get_filename_component(name ${file} NAME)
        add_custom_command(OUTPUT ${folder}/manual/${name}
            COMMAND ${CMAKE_COMMAND} -E copy ${file} ${folder}/manual/${name}
            DEPENDS ${file} VERBATIM)
        list(APPEND copies ${folder}/manual/${name})
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${copies})
endfunction()
zorvane_copy_manual(zorvane_manual ${PROJECT_BINARY_DIR})
