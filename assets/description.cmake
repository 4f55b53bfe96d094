# The window description and the project image around it, from the readable
# sources in question_window/.
add_library(tovrane_image_writer STATIC
  generator/source_text.cpp
  generator/description_source.cpp
  generator/description_writer.cpp
  generator/project_source.cpp
  generator/project_image_writer.cpp)
target_include_directories(tovrane_image_writer PUBLIC generator)
target_link_libraries(tovrane_image_writer PUBLIC tovrane_asset_rules)

add_executable(make_project_image generator/make_project_image.cpp)
target_link_libraries(make_project_image PRIVATE tovrane_image_writer)

set(TOVRANE_DESCRIPTION_SOURCE ${PROJECT_SOURCE_DIR}/question_window/window_description.txt)
set(TOVRANE_NAMES_SOURCE ${PROJECT_SOURCE_DIR}/question_window/project_names.txt)
set(TOVRANE_DESCRIPTION_BIN ${TOVRANE_GENERATED_DIR}/description.bin CACHE INTERNAL "")
set(TOVRANE_PROJECT_IMAGE_BIN ${TOVRANE_GENERATED_DIR}/project_image.bin CACHE INTERNAL "")
add_custom_command(
  OUTPUT ${TOVRANE_DESCRIPTION_BIN} ${TOVRANE_PROJECT_IMAGE_BIN}
  COMMAND make_project_image ${TOVRANE_DESCRIPTION_SOURCE} ${TOVRANE_NAMES_SOURCE}
          ${TOVRANE_GENERATED_DIR} ${TOVRANE_GENERATED_DIR}
  DEPENDS make_project_image ${TOVRANE_DESCRIPTION_SOURCE} ${TOVRANE_NAMES_SOURCE}
          ${TOVRANE_SPIRAL_BMP} ${TOVRANE_BUTTON_BMP}
  COMMENT "Laying out the window description and the project image")
add_custom_target(project_image DEPENDS ${TOVRANE_DESCRIPTION_BIN} ${TOVRANE_PROJECT_IMAGE_BIN} pictures)
