# Installing the game as a Linux desktop application, and packaging it for Debian.
include(GNUInstallDirs)

# The FHS and Debian keep games in games/ (/usr/games, /usr/local/games), which Debian's
# default PATH for users includes; packagers elsewhere may choose bin.
set(ZORVANE_INSTALL_GAMESDIR "games" CACHE STRING
    "Where the zorvane program is installed, relative to the prefix")
set(ZORVANE_ICON_SIZES 32 48 64 128 256)

set(dist ${PROJECT_SOURCE_DIR}/dist)
set(generated ${PROJECT_BINARY_DIR}/dist)

# Debian's hardening, as dpkg-buildflags gives it with hardening=+all: fortified C library
# calls (which need an optimised build, so not in Debug, where the sanitizers run), a stack
# protector, format checks, and relocations made read-only and bound at start. Debian's
# compiler builds position-independent executables by itself. Set here, before the folders
# below are added, for every target the directory builds.
foreach(config RELEASE RELWITHDEBINFO MINSIZEREL)
    string(APPEND CMAKE_CXX_FLAGS_${config} " -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2"
           " -fstack-protector-strong -Wformat -Werror=format-security")
    string(APPEND CMAKE_EXE_LINKER_FLAGS_${config} " -Wl,-z,relro -Wl,-z,now")
endforeach()
# The compilers' version notes are of no use in the program, and Debian's own packages drop
# them.
add_custom_command(TARGET zorvane POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment $<TARGET_FILE:zorvane> VERBATIM)

install(TARGETS zorvane RUNTIME DESTINATION ${ZORVANE_INSTALL_GAMESDIR})
install(FILES ${dist}/${ZORVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The home page and version are set at build time, so the texts that show them are made here.
configure_file(${dist}/${ZORVANE_APP_ID}.metainfo.xml.in
               ${generated}/${ZORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${ZORVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

configure_file(${dist}/zorvane.6.in ${generated}/zorvane.6 @ONLY)
# Debian ships manual pages compressed; -n keeps the archive free of time stamps.
add_custom_command(OUTPUT ${generated}/zorvane.6.gz
    COMMAND gzip -9 -n -c ${generated}/zorvane.6 > ${generated}/zorvane.6.gz
    DEPENDS ${generated}/zorvane.6 VERBATIM)
install(FILES ${generated}/zorvane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

install(FILES ${dist}/copyright ${PROJECT_SOURCE_DIR}/assets/ATTRIBUTION
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The game's versions, compressed without a time stamp as Debian ships a changelog.
add_custom_command(OUTPUT ${generated}/changelog.gz
    COMMAND gzip -9 -n -c ${dist}/changelog > ${generated}/changelog.gz
    DEPENDS ${dist}/changelog VERBATIM)
install(FILES ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
# What Debian's checker rightly notes but this package does on purpose, each with its reason.
install(FILES ${dist}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME zorvane)

# The manual is data the game opens, not documentation, so it goes where data goes; the game
# finds it from its own folder, by this path.
set(ZORVANE_MANUAL_DIR ${CMAKE_INSTALL_DATADIR}/zorvane/manual)
install(FILES ${ZORVANE_MANUAL_FILES} DESTINATION ${ZORVANE_MANUAL_DIR})
file(RELATIVE_PATH ZORVANE_MANUAL_FROM_PROGRAM /${ZORVANE_INSTALL_GAMESDIR} /${ZORVANE_MANUAL_DIR})
target_compile_definitions(zorvane_forms PRIVATE
    ZORVANE_MANUAL_FROM_PROGRAM="${ZORVANE_MANUAL_FROM_PROGRAM}")

# The theme's bitmap sizes are enlarged from the 32-pixel emblem; the SVG serves every
# other size.
add_executable(zorvane_scale_emblem tools/scale-emblem.cpp)
target_link_libraries(zorvane_scale_emblem PRIVATE Qt6::Gui)
set(icons)
foreach(size IN LISTS ZORVANE_ICON_SIZES)
    set(icon ${generated}/icons/${size}/${ZORVANE_APP_ID}.png)
    file(MAKE_DIRECTORY ${generated}/icons/${size})
    add_custom_command(OUTPUT ${icon}
        COMMAND zorvane_scale_emblem ${PROJECT_SOURCE_DIR}/assets/emblem.png ${size} ${icon}
        DEPENDS zorvane_scale_emblem ${PROJECT_SOURCE_DIR}/assets/emblem.png VERBATIM)
    install(FILES ${icon}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND icons ${icon})
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/emblem.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ZORVANE_APP_ID}.svg)
add_custom_target(zorvane_install_data ALL
    DEPENDS ${icons} ${generated}/zorvane.6.gz ${generated}/changelog.gz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_CONTACT "The Zorvane developers <developers@zorvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card-divination patience game")
set(CPACK_PACKAGE_DESCRIPTION
    "Ask the cards for an omen by playing out a one-deck patience. When the five\n"
    "columns are cleared, the waste pile is read from both ends at once, and every\n"
    "pair of cards of equal rank tells its omen.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZORVANE_HOME_PAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the shared-library scan cannot see them: the font the captions are set
# in (Latin, Greek and Cyrillic), Qt's extra platform plugins, and the Wayland one, without
# which a session with no Xwayland, or QT_QPA_PLATFORM=wayland, cannot show the game at all.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins, qt6-wayland")
# The font the Chinese, Japanese and Korean texts are measured in, some 90 MB that a player of
# another language need not take: without it those texts show in whatever font the system has
# for them. Qt's own texts, such as the message box's button, in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${ZORVANE_CJK_FONT_PACKAGE}, qt6-translations-l10n")
include(CPack)
