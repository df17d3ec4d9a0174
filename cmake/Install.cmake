# Installation: the library with its SONAME, the headers and the version
# header under include/velmora/, an exported CMake package
# (find_package(Velmora) -> Velmora::velmora) and velmora.pc for pkg-config.
# Components: Runtime (the library), Development (the rest); the Debian
# package holds both. Nothing installed names a path of the build machine.
include(CMakePackageConfigHelpers)

list(TRANSFORM VELMORA_PUBLIC_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/include/
  OUTPUT_VARIABLE header_files)
install(FILES ${header_files} ${VELMORA_BUILD_INCLUDE_DIR}/velmora/VelmoraVersion.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/velmora COMPONENT Development)

install(TARGETS velmora EXPORT VelmoraTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)

set(VELMORA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Velmora)
install(EXPORT VelmoraTargets NAMESPACE Velmora:: DESTINATION ${VELMORA_CMAKE_DIR}
  COMPONENT Development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VelmoraConfig.cmake.in
  ${PROJECT_BINARY_DIR}/VelmoraConfig.cmake
  INSTALL_DESTINATION ${VELMORA_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VelmoraConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VelmoraConfig.cmake
              ${PROJECT_BINARY_DIR}/VelmoraConfigVersion.cmake
        DESTINATION ${VELMORA_CMAKE_DIR} COMPONENT Development)

# velmora.pc finds its prefix from its own place (pcfiledir), so the same
# file serves any prefix and the unpacked Debian package.
file(RELATIVE_PATH VELMORA_PC_TO_PREFIX
  /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" VELMORA_PC_TO_PREFIX "${VELMORA_PC_TO_PREFIX}")
configure_file(${PROJECT_SOURCE_DIR}/velmora.pc.in ${PROJECT_BINARY_DIR}/velmora.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/velmora.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)
