# Installation: the library with its SONAME, the headers under include/velmora/,
# an exported CMake package (find_package(Velmora) -> Velmora::velmora) and
# velmora.pc for pkg-config.
include(CMakePackageConfigHelpers)

set(VELMORA_PUBLIC_HEADERS
  CurInit.h CurWindow.h CurNote.h CurLogger.h CurBanner.h
  CurGadget.h CurLabel.h CurButton.h CurToggle.h CurRadioBox.h CurLineEdit.h CurList.h
  CurFocuser.h CurTDialog.h CurGauge.h CurViewer.h)
list(TRANSFORM VELMORA_PUBLIC_HEADERS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/include/)
install(FILES ${VELMORA_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/velmora)

install(TARGETS velmora EXPORT VelmoraTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(VELMORA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Velmora)
install(EXPORT VelmoraTargets NAMESPACE Velmora:: DESTINATION ${VELMORA_CMAKE_DIR})
configure_package_config_file(cmake/VelmoraConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/VelmoraConfig.cmake
  INSTALL_DESTINATION ${VELMORA_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VelmoraConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VelmoraConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/VelmoraConfigVersion.cmake
        DESTINATION ${VELMORA_CMAKE_DIR})

configure_file(velmora.pc.in ${CMAKE_CURRENT_BINARY_DIR}/velmora.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/velmora.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
