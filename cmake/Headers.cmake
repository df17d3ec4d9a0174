# The public headers: the list that is installed, the configured version
# header, and the include paths that let a program write either
# #include <CurInit.h> or #include <velmora/CurInit.h>, in the build tree
# (add_subdirectory, FetchContent) as well as once installed.
set(VELMORA_PUBLIC_HEADERS
  CurInit.h CurSession.h CurWindow.h CurNote.h CurLogger.h CurBanner.h
  CurGadget.h CurLabel.h CurButton.h CurToggle.h CurRadioBox.h CurLineEdit.h CurList.h
  CurFocuser.h CurLayout.h CurTDialog.h CurGauge.h CurViewer.h CurMenu.h CurMenuBar.h)

# The build tree gets the installed layout: velmora-include/velmora/ holds
# the version header and a link to every public header.
set(VELMORA_BUILD_INCLUDE_DIR ${PROJECT_BINARY_DIR}/velmora-include)
configure_file(${PROJECT_SOURCE_DIR}/include/VelmoraVersion.h.in
  ${VELMORA_BUILD_INCLUDE_DIR}/velmora/VelmoraVersion.h @ONLY)
foreach(header ${VELMORA_PUBLIC_HEADERS})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/include/${header}
    ${VELMORA_BUILD_INCLUDE_DIR}/velmora/${header} SYMBOLIC COPY_ON_ERROR)
endforeach()

target_include_directories(velmora PUBLIC
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
  $<BUILD_INTERFACE:${VELMORA_BUILD_INCLUDE_DIR}/velmora>
  $<BUILD_INTERFACE:${VELMORA_BUILD_INCLUDE_DIR}>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/velmora>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
