# SPDX-FileCopyrightText: 2026 The rumitaku developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build's own system tests, run on Linux under Wine on what tools/build-windows
# made: the zip and the installer (RUMITAKU_WINDOWS_ZIP, RUMITAKU_WINDOWS_SETUP), and the
# game built for Linux to compare its window with (RUMITAKU_LINUX_BINARY).
set(wine_run ${PROJECT_SOURCE_DIR}/tests/support/wine-run)
set(windows_environment
    "E2E_BOARD_PLACES=${PROJECT_BINARY_DIR}/tests/support/board_places.sh"
    "RUMITAKU_WINE_RUN=${wine_run}" "RUMITAKU_WINE_PREFIX=${CMAKE_BINARY_DIR}/wine")
# The zip holds exactly the DLLs its programs import but Windows' own.
add_test(NAME windows_zip COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_zip_test.sh)
# Played under Wine from the zip, as on Linux; one round.
add_test(NAME windows_play_under_wine COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_play_test.sh)
# Installed and uninstalled silently, leaving nothing behind.
add_test(NAME windows_installer COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_installer_test.sh)
set_tests_properties(windows_zip windows_play_under_wine windows_installer PROPERTIES
    ENVIRONMENT "${windows_environment}" LABELS "system" SKIP_RETURN_CODE 77 TIMEOUT 240)
