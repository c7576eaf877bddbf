# Run by `cmake --install`: a relative symbolic link in <prefix>/bin for each
# executable of the program directory (the program finds its data through
# the link's target), the desktop entry once the window program exists, and
# the program directory made read-only: that is what tells the program it is
# installed, whoever owns it, and sends what it writes to the user's folders.
set(destino "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${destino}/bin")
foreach(programa brelvio brelvio-cli)
  if(EXISTS "${BRELVIO_APP_DIR}/${programa}")
    message(STATUS "Installing: ${destino}/bin/${programa} -> ../lib/brelvio/${programa}")
    file(CREATE_LINK "../lib/brelvio/${programa}" "${destino}/bin/${programa}" SYMBOLIC)
  endif()
endforeach()

if(EXISTS "${BRELVIO_APP_DIR}/brelvio")
  # Absolute paths, so the entry works whether or not the prefix is on the
  # desktop's search paths.
  set(PREFIXO "${CMAKE_INSTALL_PREFIX}")
  configure_file("${BRELVIO_DESKTOP_IN}" "${destino}/share/applications/brelvio.desktop" @ONLY)
  message(STATUS "Installing: ${destino}/share/applications/brelvio.desktop")
endif()

execute_process(COMMAND chmod -R a-w "${destino}/lib/brelvio")
