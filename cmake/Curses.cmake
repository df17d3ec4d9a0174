# The wide-character ncurses as the imported target Velmora::ncursesw: its
# wbkgd fills blanks together with attributes, and it draws line characters
# correctly on UTF-8 terminals. Only the curses library itself is linked, not
# the extra libraries (forms) that FindCurses adds to CURSES_LIBRARIES.
set(CURSES_NEED_NCURSES TRUE)
set(CURSES_NEED_WIDE TRUE)
find_package(Curses REQUIRED)
if(NOT TARGET Velmora::ncursesw)
  # Global, so that a project including Velmora with add_subdirectory links it too.
  add_library(Velmora::ncursesw INTERFACE IMPORTED GLOBAL)
  set_target_properties(Velmora::ncursesw PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${CURSES_INCLUDE_DIRS}"
    INTERFACE_LINK_LIBRARIES "${CURSES_LIBRARY}")
endif()
