# Installs the program into its own folder, where it also keeps its data:
# by default the per-user application folder ~/.local/share/tallyfox, with a
# link in ~/.local/bin. The data files already there are never overwritten.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Install prefix" FORCE)
endif()
set(TALLYFOX_APP_DIR "share/tallyfox" CACHE STRING "Application folder under the prefix")

install(TARGETS tallyfox RUNTIME DESTINATION ${TALLYFOX_APP_DIR})
install(CODE "
  set(app_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TALLYFOX_APP_DIR}\")
  set(rate_source \"${CMAKE_CURRENT_SOURCE_DIR}/src/res/exrate.dat\")
  if(EXISTS \"\${rate_source}\" AND NOT EXISTS \"\${app_dir}/exrate.dat\")
    file(COPY \"\${rate_source}\" DESTINATION \"\${app_dir}\")
  endif()
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(CREATE_LINK \"\${app_dir}/tallyfox\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/tallyfox\" SYMBOLIC)
")
