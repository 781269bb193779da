# add_terminal_program(NAME RC_FILE ICON_PICTURE ICON_FORMATS SOURCES...)
# Builds a program of the terminal for the host: its icon from our
# generator (a picture in "SIZExBITS;..." formats), its resource script compiled by windres into a .res, which is
# linked into the executable, and its sources on the platform's libraries.
function(add_terminal_program name rc_file icon_picture icon_formats)
  set(sources ${ARGN})
  set(gen ${CMAKE_CURRENT_BINARY_DIR}/generated)
  file(MAKE_DIRECTORY ${gen})

  add_custom_command(
    OUTPUT ${gen}/${name}.ico
    COMMAND make_icon ${gen}/${name}.ico ${icon_picture} ${icon_formats}
    DEPENDS make_icon
    COMMENT "Drawing ${name}.ico")

  get_filename_component(rc_dir ${rc_file} DIRECTORY)
  add_custom_command(
    OUTPUT ${gen}/${name}.res
    COMMAND ${WINDRES} --preprocessor=${HOST_CPP} --preprocessor-arg=-DRC_INVOKED
            -I${rc_dir} -I${PROJECT_SOURCE_DIR}/platform/include -I${gen}
            -i ${rc_file} -O res -o ${gen}/${name}.res
    DEPENDS ${rc_file} ${rc_dir}/resource.h ${gen}/${name}.ico
            ${PROJECT_SOURCE_DIR}/platform/include/afxres.h
            ${PROJECT_SOURCE_DIR}/platform/include/winresrc.h
    COMMENT "Compiling ${name}'s resources")
  add_custom_target(${name}_res DEPENDS ${gen}/${name}.res)

  set(RES_FILE ${gen}/${name}.res)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/embed_resources.S.in ${gen}/${name}_resources.S @ONLY)
  set_source_files_properties(${gen}/${name}_resources.S PROPERTIES OBJECT_DEPENDS ${gen}/${name}.res)

  add_executable(${name} ${sources} ${gen}/${name}_resources.S)
  add_dependencies(${name} ${name}_res)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/power_down)
  target_link_libraries(${name} PRIVATE terminal_boot ce_crt terminal_core ce_platform)
  set_property(TARGET ${name} PROPERTY RES_FILE ${gen}/${name}.res)
endfunction()
