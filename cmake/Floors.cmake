# The floors of the library. velmora_floor(NAME) makes the object library
# velmora_NAME from the folder NAME (its CMakeLists.txt adds the sources)
# and adds its objects to the library. Its sources find, by name, the
# internal headers of NAME and of every floor made before it, and the public
# headers of those floors: a public header include/X.h belongs to the floor
# whose folder holds X.cpp, and velmora-floors/NAME of the build tree holds
# a link to each of NAME's.
set(VELMORA_FLOORS_SEEN "")
set(VELMORA_OBJECTS "")
macro(velmora_floor name)
  set(floor_headers ${PROJECT_BINARY_DIR}/velmora-floors/${name})
  file(REMOVE_RECURSE ${floor_headers})
  file(MAKE_DIRECTORY ${floor_headers})
  file(GLOB floor_sources RELATIVE ${PROJECT_SOURCE_DIR}/${name} CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/${name}/*.cpp)
  foreach(source ${floor_sources})
    string(REGEX REPLACE "\\.cpp$" ".h" header ${source})
    if(EXISTS ${PROJECT_SOURCE_DIR}/include/${header})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/include/${header} ${floor_headers}/${header}
        SYMBOLIC COPY_ON_ERROR)
    endif()
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
