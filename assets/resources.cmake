# The executable's resources: the version block, the icon group and its three
# images, written from the icon maps under icon/ and the version values in
# generator/version_values.cpp.
include(GNUInstallDirs)

add_library(tovrane_resource_rules STATIC
  generator/icon_map.cpp
  generator/icon_image.cpp
  generator/icon_group.cpp
  generator/version_values.cpp
  generator/version_block.cpp
  generator/resource_list.cpp
  generator/png_writer.cpp)
target_include_directories(tovrane_resource_rules PUBLIC generator embedded)
target_link_libraries(tovrane_resource_rules PUBLIC tovrane_asset_rules)

add_executable(make_resources generator/make_resources.cpp)
target_link_libraries(make_resources PRIVATE tovrane_resource_rules)

set(TOVRANE_ICON_MAP_DIR ${CMAKE_CURRENT_SOURCE_DIR}/icon CACHE INTERNAL "")
set(TOVRANE_RESOURCE_TABLE ${TOVRANE_GENERATED_DIR}/resources.bin)
set(resource_outputs
  ${TOVRANE_GENERATED_DIR}/version.bin
  ${TOVRANE_GENERATED_DIR}/icon-group.bin
  ${TOVRANE_GENERATED_DIR}/icon-30001.bin
  ${TOVRANE_GENERATED_DIR}/icon-30002.bin
  ${TOVRANE_GENERATED_DIR}/icon-30003.bin
  ${TOVRANE_GENERATED_DIR}/icon.ico
  ${TOVRANE_GENERATED_DIR}/tovrane.res
  ${TOVRANE_RESOURCE_TABLE}
  ${TOVRANE_GENERATED_DIR}/tovrane-32.png
  ${TOVRANE_GENERATED_DIR}/tovrane-16.png)
add_custom_command(
  OUTPUT ${resource_outputs}
  COMMAND make_resources ${TOVRANE_ICON_MAP_DIR} ${TOVRANE_GENERATED_DIR}
  DEPENDS make_resources
    ${TOVRANE_ICON_MAP_DIR}/icon-30001.txt
    ${TOVRANE_ICON_MAP_DIR}/icon-30002.txt
    ${TOVRANE_ICON_MAP_DIR}/icon-30003.txt
  COMMENT "Writing the version block, the icon and the resource files")
add_custom_target(resources ALL DEPENDS ${resource_outputs})

# The table linked into the executable, with its reader.
set(resource_table_asm ${CMAKE_CURRENT_BINARY_DIR}/resource_table_data.S)
configure_file(embedded/resource_table_data.S.in ${resource_table_asm} @ONLY)
set_source_files_properties(${resource_table_asm} PROPERTIES OBJECT_DEPENDS ${TOVRANE_RESOURCE_TABLE})
add_library(tovrane_resources OBJECT
  embedded/resource_table.cpp
  embedded/embedded_resource_table.cpp
  ${resource_table_asm})
target_include_directories(tovrane_resources PUBLIC embedded)
add_dependencies(tovrane_resources resources)

# The desktop finds the program through its entry, and the entry's icon by name.
install(FILES desktop/tovrane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TOVRANE_GENERATED_DIR}/tovrane-32.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME tovrane.png)
install(FILES ${TOVRANE_GENERATED_DIR}/tovrane-16.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps RENAME tovrane.png)
