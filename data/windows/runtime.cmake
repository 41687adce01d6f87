# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The DLLs a Windows build of the game loads besides Windows' own and Qt's: the GCC and
# thread runtimes of Debian's MinGW-w64 compiler (windows_runtime_dlls), and the folders
# of those and of Qt's (windows_dll_dirs).
set(windows_runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
        message(FATAL_ERROR "The compiler has no ${dll}: tools/install-deps windows installs it")
    endif()
    list(APPEND windows_runtime_dlls ${path})
endforeach()
get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
set(windows_dll_dirs)
foreach(dll ${qt_core} ${windows_runtime_dlls})
    get_filename_component(dir ${dll} DIRECTORY)
    list(APPEND windows_dll_dirs ${dir})
endforeach()
list(REMOVE_DUPLICATES windows_dll_dirs)
