# The Windows program: one zorvane.exe, Qt and the C++ runtime linked in, started without a
# console window, with the game's icon and a version resource. The manual lies in manual/
# beside it, where the installer and the zip put it too.
set_target_properties(zorvane PROPERTIES WIN32_EXECUTABLE ON)
set(ZORVANE_MANUAL_FROM_PROGRAM manual)
target_compile_definitions(zorvane_forms PRIVATE
    ZORVANE_MANUAL_FROM_PROGRAM="${ZORVANE_MANUAL_FROM_PROGRAM}")

set(windows_dist ${PROJECT_SOURCE_DIR}/dist/windows)
set(generated ${PROJECT_BINARY_DIR}/dist)

# The icon holds the emblem enlarged to the sizes Explorer, the Start menu and the taskbar ask
# for; Windows draws the smaller ones from these.
set(ZORVANE_ICON_SIZES 32 48 64 256)
add_executable(zorvane_scale_emblem tools/scale-emblem.cpp)
target_link_libraries(zorvane_scale_emblem PRIVATE Qt6::Gui)
set(icons)
foreach(size IN LISTS ZORVANE_ICON_SIZES)
    set(icon ${generated}/icons/emblem-${size}.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons
        COMMAND zorvane_scale_emblem ${PROJECT_SOURCE_DIR}/assets/emblem.png ${size} ${icon}
        DEPENDS zorvane_scale_emblem ${PROJECT_SOURCE_DIR}/assets/emblem.png VERBATIM)
    list(APPEND icons ${icon})
endforeach()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(ZORVANE_ICON ${generated}/zorvane.ico)
add_custom_command(OUTPUT ${ZORVANE_ICON}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/make-ico.py ${ZORVANE_ICON} ${icons}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/make-ico.py ${icons} VERBATIM)

# The manifest and the version resource take the project's version.
set(ZORVANE_MANIFEST ${generated}/zorvane.exe.manifest)
configure_file(${windows_dist}/zorvane.exe.manifest.in ${ZORVANE_MANIFEST} @ONLY)
configure_file(${windows_dist}/zorvane.rc.in ${generated}/zorvane.rc @ONLY)
set_source_files_properties(${generated}/zorvane.rc PROPERTIES
    OBJECT_DEPENDS "${ZORVANE_ICON};${ZORVANE_MANIFEST}")
target_sources(zorvane PRIVATE app/ParentConsole_windows.cpp ${generated}/zorvane.rc)

# Qt's own texts (a message box's button, --help's headings) come with Debian's Qt on Linux; on
# Windows they are built in, from the translations of the Qt version built in, for every language
# the game speaks and Qt has them for.
set(ZORVANE_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH
    "Qt's own .qm files, of the Qt version the program is built with")
set(qt_translations)
foreach(language IN LISTS ZORVANE_LANGUAGES)
    set(file ${ZORVANE_QT_TRANSLATIONS}/qtbase_${language}.qm)
    if(EXISTS ${file})
        list(APPEND qt_translations ${file})
    endif()
endforeach()
qt_add_resources(zorvane_platform qt_translations
    PREFIX /i18n
    BASE ${ZORVANE_QT_TRANSLATIONS}
    FILES ${qt_translations}
)
