# The "doc" target: the API reference, one page per class, made by Doxygen
# from the public headers into <build>/doc/html (start at index.html). Any
# Doxygen warning fails the target, and the warnings are kept in
# <build>/doc/warnings.log.
set(VELMORA_DOC_DIR ${PROJECT_BINARY_DIR}/doc)
configure_file(${PROJECT_SOURCE_DIR}/doc/Doxyfile.in ${VELMORA_DOC_DIR}/Doxyfile @ONLY)
add_custom_target(doc
  COMMAND ${CMAKE_COMMAND} -E remove -f ${VELMORA_DOC_DIR}/warnings.log
  COMMAND Doxygen::doxygen ${VELMORA_DOC_DIR}/Doxyfile
  WORKING_DIRECTORY ${VELMORA_DOC_DIR}
  COMMENT "API reference in ${VELMORA_DOC_DIR}/html/index.html"
  VERBATIM)
