# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake --install`: writes the desktop entry `entry_out` from `entry_in`, with Exec=
# the full path the binary is installed at, `binary` under the install prefix. The path is
# quoted, as the desktop entry format asks, where it holds anything but letters, digits and
# / . _ + -.
cmake_path(ABSOLUTE_PATH binary BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
set(RUMITAKU_EXEC "${binary}")
if(NOT RUMITAKU_EXEC MATCHES "^[A-Za-z0-9/._+-]+$")
    # A backslash is escaped twice: once in the quoted argument, once in the entry's value.
    string(REPLACE "\\" "\\\\\\\\" RUMITAKU_EXEC "${RUMITAKU_EXEC}")
    string(REGEX REPLACE "([\"`$])" "\\\\\\1" RUMITAKU_EXEC "${RUMITAKU_EXEC}")
    set(RUMITAKU_EXEC "\"${RUMITAKU_EXEC}\"")
endif()
configure_file("${entry_in}" "${entry_out}" @ONLY)
