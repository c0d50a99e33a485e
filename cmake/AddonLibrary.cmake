# The add-on: its subsystems as one static library (linked by tests), and the library
# Visio loads, which adds the exported entry.
qav_sources(qav_addon_sources core model checker simulator exporter shapetools resources)
list(FILTER qav_addon_sources EXCLUDE REGEX "/core/entry/")
add_library(qav_addon STATIC ${qav_addon_sources} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_link_libraries(qav_addon PUBLIC qav_visio qav_ui qavsystem)
# Compiled once for the library and for the tests that link it statically: both see the
# exported declarations; only what is marked for export leaves the loaded library.
target_compile_definitions(qav_addon PUBLIC QAV_ADDON_BUILD)
set_target_properties(qav_addon PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)

file(GLOB qav_icon_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/icons/*.ico
     ${CMAKE_SOURCE_DIR}/resources/bitmaps/*.bmp)
file(GLOB qav_entry_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/core/entry/*.cpp)
add_library(QAVSupportTools MODULE ${qav_entry_sources} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
# The whole static library goes in, so that its exported classes are exported even
# where the entry does not use them.
target_link_libraries(QAVSupportTools PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,qav_addon>")
set_target_properties(QAVSupportTools PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden)
if(WIN32)
  set_target_properties(QAVSupportTools PROPERTIES SUFFIX ".vsl")
  # The icons of the button faces and the legend live in the library itself.
  target_sources(QAVSupportTools PRIVATE ${CMAKE_SOURCE_DIR}/resources/QAVSupportTools.rc)
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/resources/QAVSupportTools.rc APPEND PROPERTY
               OBJECT_DEPENDS ${qav_icon_files})
endif()
