# Installs the program into its own folder, where it also keeps its data:
# by default the per-user application folder ~/.local/share/tallyfox, with a
# link in ~/.local/bin. The launcher, the icon and the metainfo go where the
# desktop looks for them under the same prefix. The data files already there
# (tax.ini, exrate.dat, the lists) are never overwritten.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Install prefix" FORCE)
endif()
set(TALLYFOX_APP_DIR "share/tallyfox" CACHE STRING "Application folder under the prefix")

set(tallyfox_images ${CMAKE_CURRENT_SOURCE_DIR}/src/res/images)
set(tallyfox_data ${CMAKE_CURRENT_SOURCE_DIR}/data)

install(TARGETS tallyfox RUNTIME DESTINATION ${TALLYFOX_APP_DIR})
install(FILES ${tallyfox_images}/128_icon.png DESTINATION share/icons/hicolor/48x48/apps
        RENAME tallyfox.png)
install(FILES ${tallyfox_images}/128_icon@2x.png DESTINATION share/icons/hicolor/96x96/apps
        RENAME tallyfox.png)
install(FILES ${tallyfox_images}/tallyfox.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${tallyfox_data}/org.example.tallyfox.metainfo.xml DESTINATION share/metainfo)

# The prefix is known only when installing (cmake --install --prefix), so the
# rate file, the link and the launcher's command line are made then.
install(CODE "
  set(TALLYFOX_APP_DIR \"${TALLYFOX_APP_DIR}\")
  set(TALLYFOX_RATE_SOURCE \"${CMAKE_CURRENT_SOURCE_DIR}/src/res/exrate.dat\")
  set(TALLYFOX_DESKTOP_SOURCE \"${tallyfox_data}/org.example.tallyfox.desktop\")
")
install(SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/cmake/install_user_files.cmake)
