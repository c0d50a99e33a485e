# The add-on: its subsystems as one static library (linked by tests), and the library
# Visio loads, which adds the exported entry.
qav_sources(qav_addon_sources core model checker simulator exporter shapetools resources)
list(FILTER qav_addon_sources EXCLUDE REGEX "/core/entry/")
add_library(qav_addon STATIC ${qav_addon_sources} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_link_libraries(qav_addon PUBLIC qav_visio qav_ui qavsystem)
target_compile_definitions(qav_addon PUBLIC QAV_ADDON_STATIC_LINK=0)

file(GLOB qav_entry_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/core/entry/*.cpp)
add_library(QAVSupportTools MODULE ${qav_entry_sources} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_link_libraries(QAVSupportTools PRIVATE qav_addon)
target_compile_definitions(QAVSupportTools PRIVATE QAV_ADDON_BUILD)
set_target_properties(QAVSupportTools PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden)
if(WIN32)
  set_target_properties(QAVSupportTools PROPERTIES SUFFIX ".vsl")
endif()
