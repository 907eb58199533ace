# Platform integration, installation, the Debian package and the Windows
# zip and installer. Every version shown anywhere comes from project(VERSION),
# every time stamp from ZOMAR_SOURCE_DATE_EPOCH (SourceDate.cmake).

if(WIN32)
    set(ZOMAR_ICO ${CMAKE_CURRENT_LIST_DIR}/zomar.ico)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/zomar.rc.in ${CMAKE_CURRENT_BINARY_DIR}/zomar.rc @ONLY)
    target_sources(zomar PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/zomar.rc)
    set_target_properties(zomar PROPERTIES WIN32_EXECUTABLE ON OUTPUT_NAME Zomar)
elseif(APPLE)
    set_target_properties(zomar PROPERTIES
        MACOSX_BUNDLE ON
        OUTPUT_NAME Zomar
        MACOSX_BUNDLE_BUNDLE_NAME Zomar
        MACOSX_BUNDLE_GUI_IDENTIFIER ${ZOMAR_APP_ID}
        MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
        MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION})
endif()

include(GNUInstallDirs)
# The install's strip stamps PE files with the source's time.
install(CODE "set(ENV{SOURCE_DATE_EPOCH} ${ZOMAR_SOURCE_DATE_EPOCH})")
if(WIN32)
    # Zomar.exe and exactly what it loads beside it: Qt Core, Gui and Widgets,
    # the Windows platform plugin, the MinGW runtime and Qt's Russian texts.
    install(TARGETS zomar RUNTIME DESTINATION .)
    get_target_property(zomar_qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
    get_filename_component(zomar_qt_bin ${zomar_qt_core} DIRECTORY)
    install(FILES ${zomar_qt_bin}/Qt6Core.dll ${zomar_qt_bin}/Qt6Gui.dll ${zomar_qt_bin}/Qt6Widgets.dll
            DESTINATION .)
    get_target_property(zomar_qwindows Qt6::QWindowsIntegrationPlugin IMPORTED_LOCATION_RELEASE)
    install(FILES ${zomar_qwindows} DESTINATION platforms)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                        OUTPUT_VARIABLE zomar_runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${zomar_runtime}" OR NOT EXISTS "${zomar_runtime}")
            find_file(zomar_runtime_${dll} ${dll} PATHS /usr/${ZOMAR_MINGW_TRIPLE}/lib NO_CMAKE_FIND_ROOT_PATH REQUIRED)
            set(zomar_runtime ${zomar_runtime_${dll}})
        endif()
        install(FILES ${zomar_runtime} DESTINATION .)
    endforeach()
    find_file(ZOMAR_QTBASE_RU qtbase_ru.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    install(FILES ${ZOMAR_QTBASE_RU} DESTINATION translations)
    # A stripped install (the zip and the installer) strips the DLLs too:
    # the MinGW runtime ships with its symbols.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${dlls} COMMAND_ERROR_IS_FATAL ANY)
        endif()")
else()
    install(TARGETS zomar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
endif()

if(UNIX AND NOT APPLE)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/org.zomar.Zomar.metainfo.xml.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${ZOMAR_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.zomar.Zomar.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${ZOMAR_APP_ID}.desktop)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ZOMAR_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # The menu's icons: the window's own 16-colour images as PNGs, and the
    # 32-pixel one as an SVG, made at build time.
    add_executable(zomar_icons ${CMAKE_CURRENT_LIST_DIR}/icons.cpp)
    target_link_libraries(zomar_icons PRIVATE Qt6::Gui)
    zomar_program_target(zomar_icons)
    set(zomar_icons_dir ${PROJECT_BINARY_DIR}/icons)
    set(zomar_xpms ${CMAKE_CURRENT_LIST_DIR}/icon-16.xpm ${CMAKE_CURRENT_LIST_DIR}/icon-32.xpm)
    add_custom_command(OUTPUT ${zomar_icons_dir}/icon-16.png ${zomar_icons_dir}/icon-32.png ${zomar_icons_dir}/icon.svg
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${zomar_icons_dir}
                       COMMAND zomar_icons ${zomar_xpms} ${zomar_icons_dir}
                       DEPENDS zomar_icons ${zomar_xpms} VERBATIM)
    add_custom_target(zomar_desktop_icons ALL DEPENDS ${zomar_icons_dir}/icon.svg)
    foreach(size 16 32)
        install(FILES ${zomar_icons_dir}/icon-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${ZOMAR_APP_ID}.png)
    endforeach()
    install(FILES ${zomar_icons_dir}/icon.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${ZOMAR_APP_ID}.svg)

    # The manual page (with the project's version) and the Debian changelog,
    # compressed as Debian wants them (gzip -9n: no name, no time stamp),
    # and the copyright file.
    set(ZOMAR_DEB_VERSION ${PROJECT_VERSION}-1)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian @ONLY)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/zomar.1 ${CMAKE_CURRENT_BINARY_DIR}/zomar.1 @ONLY)
    set(zomar_gzipped)
    foreach(file ${CMAKE_CURRENT_BINARY_DIR}/zomar.1 ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian)
        get_filename_component(name ${file} NAME)
        add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
                           COMMAND gzip -9n -c ${file} > ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
                           DEPENDS ${file} VERBATIM)
        list(APPEND zomar_gzipped ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    endforeach()
    add_custom_target(zomar_docs ALL DEPENDS ${zomar_gzipped})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zomar.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz ${CMAKE_CURRENT_LIST_DIR}/debian/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zomar)

    # A stripped install (cpack strips) also drops the sections Debian's
    # strip drops: the compiler's notes.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/zomar\"
                            COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endif()

set(CPACK_PACKAGE_NAME zomar)
set(CPACK_PACKAGE_VENDOR "Zomar developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour-code reader for resistors, capacitors and inductors")
set(CPACK_PACKAGE_DESCRIPTION "Zomar shows what the colour bands of a resistor, capacitor or inductor mean:\ndigits, multiplier, nominal value, tolerance and rated voltage.")
set(CPACK_PACKAGE_CONTACT "Zomar developers <team@zomar.org>")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's stand-in faces for "MS Sans Serif" and "Arial"; Qt's Russian texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
if(WIN32)
    set(CPACK_PACKAGE_FILE_NAME Zomar-${PROJECT_VERSION}-win64)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Zomar)
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zomar) # the same for every version: an upgrade finds it
    set(CPACK_NSIS_PACKAGE_NAME Zomar)
    set(CPACK_NSIS_INSTALLED_ICON_NAME Zomar.exe)
    set(CPACK_NSIS_MUI_ICON ${ZOMAR_ICO})
    set(CPACK_NSIS_MUI_UNIICON ${ZOMAR_ICO})
    set(CPACK_ZOMAR_PRODUCT_NAME ${ZOMAR_PRODUCT_NAME})
    set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_LIST_DIR}/windows/makensis-amd64.sh)
    # The installer's script is ours (windows/NSIS.template.in), not CPack's.
    list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/windows)
endif()
# CPack stamps the zip and the .deb with the source's time; the zip's times
# are local times, so CPack runs at UTC, wherever the builder is.
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/CPackSourceDate.cmake
     CONTENT "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})\n    set(ENV{SOURCE_DATE_EPOCH} ${ZOMAR_SOURCE_DATE_EPOCH})\nendif()\nset(ENV{TZ} UTC)\n")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/CPackSourceDate.cmake)
# The source package: the source without its build folder and repository.
set(CPACK_SOURCE_GENERATOR TXZ)
# Patterns of full paths, written again into CPack's configuration: each
# character special to a regular expression escaped, and each escape doubled.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\\\\\1" zomar_top "${PROJECT_SOURCE_DIR}")
set(CPACK_SOURCE_IGNORE_FILES "^${zomar_top}/build/" "^${zomar_top}/[.]git/" "^${zomar_top}/[.]git$")
# Fixed modes in the packages, whatever the builder's umask.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/FixedModes.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/FixedModes.cmake)
include(CPack)
