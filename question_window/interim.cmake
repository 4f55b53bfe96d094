# Constant window settings and the two pictures embedded whole, until the
# project image with its window description is generated.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/interim_pictures.S.in ${CMAKE_CURRENT_BINARY_DIR}/interim_pictures.S @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/interim_pictures.S PROPERTIES
  OBJECT_DEPENDS "${TOVRANE_SPIRAL_BMP};${TOVRANE_BUTTON_BMP}")
target_sources(tovrane_question_window PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/interim_project.cpp
  ${CMAKE_CURRENT_BINARY_DIR}/interim_pictures.S)
