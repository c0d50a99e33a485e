# The add-on: one target per layer of cmake/Layers.cmake, each linked only with the
# layers it builds on; all of them together as one static library (linked by tests),
# and the library Visio loads, which adds the exported entry.

# The targets of the platform's ports, built in platform/CMakeLists.txt.
set(qav_target_platform/os qav_os)
set(qav_target_platform/visio qav_visio)
set(qav_target_platform/ui qav_ui)
set(qav_target_platform/hosting qav_hosting)
set(qav_target_platform/com qav_com)
if(TARGET qav_win32)
  set(qav_target_platform/win32 qav_win32)
endif()

set(qav_addon_layers)
macro(qav_layer folder)
  cmake_parse_arguments(layer "" "" "ON" ${ARGN})
  if("${folder}" MATCHES "^(platform/|simhost(/|$)|app(/|$))")
    # Built elsewhere (the ports) or not part of the add-on.
  else()
    qav_add_layer(${folder} ${layer_ON})
  endif()
endmacro()

# The sources a layer folder holds, without those of a layer folder inside it and
# without the exported entry, which only the loadable library has.
function(qav_layer_sources folder out)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  foreach(inner ${qav_addon_layers})
    string(FIND "${inner}" "${folder}/" at)
    if(at EQUAL 0)
      list(FILTER found EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/${inner}/")
    endif()
  endforeach()
  list(FILTER found EXCLUDE REGEX "/entry/VisioLibMain\\.cpp$")
  set(${out} ${found} PARENT_SCOPE)
endfunction()

function(qav_add_layer folder)
  string(REPLACE "/" "_" name "qav_${folder}")
  set(qav_target_${folder} ${name} PARENT_SCOPE)
  set(below)
  foreach(on ${ARGN})
    list(APPEND below ${qav_target_${on}})
  endforeach()
  set(qav_addon_layers ${qav_addon_layers} ${folder} PARENT_SCOPE)
  set(qav_layer_pending_${folder} "${below}" PARENT_SCOPE)
endfunction()

include(${CMAKE_SOURCE_DIR}/cmake/Layers.cmake)

set(qav_addon_objects)
foreach(folder ${qav_addon_layers})
  set(name ${qav_target_${folder}})
  qav_layer_sources(${folder} sources)
  if(sources)
    add_library(${name} OBJECT ${sources})
    target_link_libraries(${name} PUBLIC ${qav_layer_pending_${folder}})
    # Compiled once for the loadable library and for the tests that link the static
    # library: both see the exported declarations; only what is marked for export
    # leaves the loaded library.
    target_compile_definitions(${name} PUBLIC QAV_ADDON_BUILD)
    set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden
                                             VISIBILITY_INLINES_HIDDEN ON)
    list(APPEND qav_addon_objects $<TARGET_OBJECTS:${name}>)
  else()
    # A layer still to be written.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${qav_layer_pending_${folder}})
  endif()
endforeach()

add_library(qav_addon STATIC ${qav_addon_objects} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_link_libraries(qav_addon PUBLIC ${qav_target_entry})
target_compile_definitions(qav_addon PUBLIC QAV_ADDON_BUILD)
set_target_properties(qav_addon PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)

file(GLOB qav_icon_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/icons/*.ico
     ${CMAKE_SOURCE_DIR}/resources/bitmaps/*.bmp ${CMAKE_SOURCE_DIR}/resources/StringTable.h)
add_library(QAVSupportTools MODULE ${CMAKE_SOURCE_DIR}/entry/VisioLibMain.cpp)
# The whole static library goes in, so that its exported classes are exported even
# where the entry does not use them.
target_link_libraries(QAVSupportTools PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,qav_addon>")
set_target_properties(QAVSupportTools PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden)
if(WIN32)
  set_target_properties(QAVSupportTools PROPERTIES SUFFIX ".vsl")
  # Visio is reached through COM: the library installs the client adapter while loaded.
  target_sources(QAVSupportTools PRIVATE ${CMAKE_SOURCE_DIR}/platform/com/AddonBinding.cpp)
  target_link_libraries(QAVSupportTools PRIVATE qav_com)
  # The icons of the button faces and the legend, the bitmaps and the string table live
  # in the library itself.
  target_sources(QAVSupportTools PRIVATE ${CMAKE_SOURCE_DIR}/resources/QAVSupportTools.rc)
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/resources/QAVSupportTools.rc APPEND PROPERTY
               OBJECT_DEPENDS ${qav_icon_files})
endif()
