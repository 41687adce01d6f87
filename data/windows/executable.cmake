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

# What the exe loads, found by CMake in Qt's and the compiler's folders: Qt's libraries, the
# GCC and thread runtimes. Windows' own libraries are the system's.
install(TARGETS rumitaku RUNTIME_DEPENDENCY_SET windows_runtime RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin
    RUNTIME_DEPENDENCY_SET windows_runtime LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
    RUNTIME_DEPENDENCY_SET windows_runtime LIBRARY DESTINATION styles)
install(RUNTIME_DEPENDENCY_SET windows_runtime DESTINATION .
    DIRECTORIES ${windows_dll_dirs}
    PRE_INCLUDE_REGEXES "^qt6" "^libstdc\\+\\+" "^libgcc_s" "^libwinpthread"
    PRE_EXCLUDE_REGEXES ".*")
