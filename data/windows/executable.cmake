# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a Windows program: a window of its own and no console, the game's icon and
# version in the exe, and beside it in the installed folder exactly the libraries and Qt
# plugins it loads. Included where the executable is made.
find_program(ICOTOOL icotool REQUIRED)
set(icon ${CMAKE_CURRENT_BINARY_DIR}/rumitaku.ico)
set(icon_sizes 16 32 48 64)
list(TRANSFORM icon_sizes REPLACE "(.+)" "${PROJECT_SOURCE_DIR}/data/icons/\\1x\\1.png" OUTPUT_VARIABLE icon_pngs)
set(large_icon ${PROJECT_SOURCE_DIR}/data/icons/256x256.png)
# The large size stays PNG inside the icon, as Windows takes it since Vista.
add_custom_command(OUTPUT ${icon}
    COMMAND ${ICOTOOL} --create --output=${icon} ${icon_pngs} --raw=${large_icon}
    DEPENDS ${icon_pngs} ${large_icon}
    COMMENT "The exe's icon from the game's PNGs")
configure_file(${CMAKE_CURRENT_LIST_DIR}/rumitaku.rc.in rumitaku.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/rumitaku.rc PROPERTIES OBJECT_DEPENDS ${icon})
target_sources(rumitaku PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/rumitaku.rc)
set_target_properties(rumitaku PROPERTIES WIN32_EXECUTABLE ON)

# Beside the exe, what it loads but Windows' own libraries: Qt's three libraries, its windows
# platform and windowsvista style plugins, and the GCC and thread runtimes they were built
# with. (CMake 3.25 cannot find DLLs named in mixed case on a case-sensitive file system;
# the Windows tests check that the folder holds what the exe and its plugins import, and
# nothing else.)
install(TARGETS rumitaku RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION styles)
install(PROGRAMS ${windows_runtime_dlls} DESTINATION .)
# Debian's runtime DLLs carry their debugging sections (libstdc++'s 24 MB are 2 stripped).
foreach(dll ${windows_runtime_dlls})
    get_filename_component(name ${dll} NAME)
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND [[${CMAKE_STRIP}]] --strip-unneeded \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${name}\")
    endif()")
endforeach()
