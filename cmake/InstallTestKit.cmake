# Installation of the test kit (component TestKit, not in the Debian package,
# which does not bring libvterm), next to the toolkit's: its headers under
# include/velmora/, the library, the export set VelmoraTestKitTargets in the
# toolkit's CMake folder (the package's "testkit" component) and
# velmora-testkit.pc. Included by the top level after cmake/Install.cmake.
set(VELMORA_TESTKIT_HEADERS CurTestCell.h CurTestScreen.h CurTestTerminal.h)
list(TRANSFORM VELMORA_TESTKIT_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/include/)
install(FILES ${VELMORA_TESTKIT_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/velmora
  COMPONENT TestKit)

install(TARGETS velmora_testkit EXPORT VelmoraTestKitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT TestKit
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT TestKit
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT TestKit)
install(EXPORT VelmoraTestKitTargets NAMESPACE Velmora:: DESTINATION ${VELMORA_CMAKE_DIR}
  COMPONENT TestKit)

# Like velmora.pc, it finds its prefix from its own place.
configure_file(${PROJECT_SOURCE_DIR}/velmora-testkit.pc.in
  ${PROJECT_BINARY_DIR}/velmora-testkit.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/velmora-testkit.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT TestKit)
