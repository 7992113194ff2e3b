# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Two layouts, chosen by the prefix given when installing:
# - per user, a prefix ending in .local (the default, ~/.local): the program in
#   its own folder share/tallyfox, where it keeps its data, with a link in bin/;
# - system-wide (/usr, /usr/local, /opt/...): the program in bin/, and the
#   shipped rates in share/tallyfox/, which each user's data folder
#   (~/.local/share/tallyfox) is given on first start.
# The launcher, the icon and the metainfo go where the desktop looks for them
# under the prefix. The data files already there (tax.ini, exrate.dat, the
# lists) are never overwritten.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Install prefix" FORCE)
endif()

set(tallyfox_images ${CMAKE_CURRENT_SOURCE_DIR}/src/res/images)
set(tallyfox_data ${CMAKE_CURRENT_SOURCE_DIR}/data)

install(FILES ${tallyfox_images}/128_icon.png DESTINATION share/icons/hicolor/48x48/apps
        RENAME io.github.tallyfox.Tallyfox.png)
install(FILES ${tallyfox_images}/128_icon@2x.png DESTINATION share/icons/hicolor/96x96/apps
        RENAME io.github.tallyfox.Tallyfox.png)
install(FILES ${tallyfox_images}/tallyfox.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME io.github.tallyfox.Tallyfox.svg)
install(FILES ${tallyfox_data}/io.github.tallyfox.Tallyfox.metainfo.xml DESTINATION share/metainfo)

# The prefix is known only when installing (cmake --install --prefix), so the
# program, the rate file, the link and the launcher's command line are placed then.
install(CODE "
  set(TALLYFOX_PROGRAM \"$<TARGET_FILE:tallyfox>\")
  set(TALLYFOX_RATE_SOURCE \"${CMAKE_CURRENT_SOURCE_DIR}/src/res/exrate.dat\")
  set(TALLYFOX_DESKTOP_SOURCE \"${tallyfox_data}/io.github.tallyfox.Tallyfox.desktop\")
")
install(SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/cmake/install_program.cmake)
