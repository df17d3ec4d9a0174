# Installation of the test kit, next to the toolkit's: its headers under
# include/velmora/, the library, the export set VelmoraTestKitTargets in the
# toolkit's CMake folder (the package's "testkit" component) and its own
# velmora-testkit.pc.
set(VELMORA_TESTKIT_HEADERS CurTestCell.h CurTestScreen.h CurTestTerminal.h)
list(TRANSFORM VELMORA_TESTKIT_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/include/)
install(FILES ${VELMORA_TESTKIT_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/velmora)

install(TARGETS velmora_testkit EXPORT VelmoraTestKitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(EXPORT VelmoraTestKitTargets NAMESPACE Velmora::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Velmora)

configure_file(${PROJECT_SOURCE_DIR}/velmora-testkit.pc.in
  ${PROJECT_BINARY_DIR}/velmora-testkit.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/velmora-testkit.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
