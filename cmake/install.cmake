# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# One layout for every prefix, as GNUInstallDirs names it: the program in
# bin/, the launcher, the metainfo, the icons and the manual page under
# share/. Nothing of a user's data: the default rates live in the program,
# and each user's data folder is ~/.local/share/tallyfox.
include(GNUInstallDirs)

set(tallyfox_images ${CMAKE_CURRENT_SOURCE_DIR}/src/res/images)
set(tallyfox_data ${CMAKE_CURRENT_SOURCE_DIR}/data)
set(tallyfox_id io.github.tallyfox.Tallyfox)
set(tallyfox_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS tallyfox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${tallyfox_data}/${tallyfox_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${tallyfox_data}/${tallyfox_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${tallyfox_images}/tallyfox.svg DESTINATION ${tallyfox_icons}/scalable/apps
        RENAME ${tallyfox_id}.svg)
install(FILES ${tallyfox_images}/128_icon.png DESTINATION ${tallyfox_icons}/48x48/apps
        RENAME ${tallyfox_id}.png)
install(FILES ${tallyfox_images}/128_icon@2x.png DESTINATION ${tallyfox_icons}/96x96/apps
        RENAME ${tallyfox_id}.png)
install(FILES ${tallyfox_data}/tallyfox.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
