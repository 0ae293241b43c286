# The reference skin: `skinpack draw-reference` draws its images and description text into a folder of the
# build, `skinpack pack` packs them (format 70000) into reference.skin.
add_library(skinpack_reference STATIC ReferenceSkin.cpp ReferenceSkinCanvas.cpp ReferenceSkinImages.cpp
  SkinFolder.cpp SkinShapes.cpp TestSkin.cpp TestSkinImages.cpp)
target_include_directories(skinpack_reference PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(skinpack_reference PRIVATE platform_os)
target_link_libraries(skinpack_cli PUBLIC skinpack_reference)

set(reference_dir ${PROJECT_BINARY_DIR}/reference-skin)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/reference.skin
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${reference_dir}
  COMMAND skinpack draw-reference ${reference_dir}
  COMMAND skinpack pack ${reference_dir} ${PROJECT_BINARY_DIR}/reference.skin
  DEPENDS skinpack
  COMMENT "Drawing and packing the reference skin")
add_custom_target(reference_skin ALL DEPENDS ${PROJECT_BINARY_DIR}/reference.skin)

# The test skin: a second skin, olive, that takes the skin engine's other branches; `skinpack draw-test-skin`
# draws it and the build packs it into test.skin for the tests and for trying skins by hand.
set(test_skin_dir ${PROJECT_BINARY_DIR}/test-skin)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/test.skin
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${test_skin_dir}
  COMMAND skinpack draw-test-skin ${test_skin_dir}
  COMMAND skinpack pack ${test_skin_dir} ${PROJECT_BINARY_DIR}/test.skin
  DEPENDS skinpack
  COMMENT "Drawing and packing the test skin")
add_custom_target(test_skin ALL DEPENDS ${PROJECT_BINARY_DIR}/test.skin)
