# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The folders of the DLLs a Windows build of the game loads besides Windows' own: Qt's, and
# the GCC and thread runtimes of Debian's MinGW-w64 compiler.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
    OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
    OUTPUT_VARIABLE winpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
set(windows_dll_dirs)
foreach(dll ${qt_core} ${libstdcxx} ${winpthread})
    get_filename_component(dir ${dll} DIRECTORY)
    list(APPEND windows_dll_dirs ${dir})
endforeach()
