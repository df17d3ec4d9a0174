# The floors of the library. velmora_floor(NAME) makes the object library
# velmora_NAME from the folder NAME (its CMakeLists.txt adds the sources)
# and adds its objects to the library. Its sources find, by name, the
# internal headers of NAME and of every floor made before it, and the public
# headers listed for those floors below: a link to each in
# velmora-floors/NAME of the build tree.
set(VELMORA_FLOOR_HEADERS_terminal CurInit.h CurSession.h)
set(VELMORA_FLOOR_HEADERS_window CurWindow.h CurLogger.h)
set(VELMORA_FLOOR_HEADERS_gadget
  CurGadget.h CurLabel.h CurButton.h CurToggle.h CurRadioBox.h CurLineEdit.h CurList.h
  CurGauge.h CurViewer.h CurCalendar.h CurTimeEdit.h CurTextEdit.h CurFileSelect.h
  CurNote.h CurBanner.h)
set(VELMORA_FLOOR_HEADERS_focus CurFocuser.h)
set(VELMORA_FLOOR_HEADERS_menu CurMenu.h CurMenuBar.h)
set(VELMORA_FLOOR_HEADERS_boxes CurTDialog.h)

set(VELMORA_FLOORS_SEEN "")
set(VELMORA_OBJECTS "")
macro(velmora_floor name)
  set(floor_headers ${PROJECT_BINARY_DIR}/velmora-floors/${name})
  file(REMOVE_RECURSE ${floor_headers})
  file(MAKE_DIRECTORY ${floor_headers})
  foreach(header ${VELMORA_FLOOR_HEADERS_${name}})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/include/${header} ${floor_headers}/${header}
      SYMBOLIC COPY_ON_ERROR)
  endforeach()
  list(APPEND VELMORA_FLOORS_SEEN ${PROJECT_SOURCE_DIR}/${name} ${floor_headers})
  add_library(velmora_${name} OBJECT)
  target_include_directories(velmora_${name} PRIVATE ${VELMORA_FLOORS_SEEN})
  target_link_libraries(velmora_${name} PRIVATE Velmora::ncursesw)
  set_target_properties(velmora_${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  list(APPEND VELMORA_OBJECTS $<TARGET_OBJECTS:velmora_${name}>)
  target_sources(velmora PRIVATE $<TARGET_OBJECTS:velmora_${name}>)
  add_subdirectory(${name})
endmacro()
