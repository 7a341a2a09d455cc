# eegscan_add_mex(<name> SOURCES <files...> LIBS <targets...> [DEFINITIONS <defs...>])
#
# Builds <name>.mex for GNU Octave the way `mkoctfile --mex` does (Octave's
# include flags, -shared, -Wl,-Bsymbolic, host symbols resolved at load time)
# into EEGSCAN_MEX_DIR, together with the help file <name>.m when the
# subsystem has one. Where FindMatlab finds a MATLAB, the same sources also
# build as a MATLAB MEX file named <name> in EEGSCAN_MEX_DIR/matlab.

find_program(EEGSCAN_MKOCTFILE mkoctfile)
if(EEGSCAN_MKOCTFILE)
  execute_process(COMMAND ${EEGSCAN_MKOCTFILE} -p OCTINCLUDEDIR
                  OUTPUT_VARIABLE EEGSCAN_OCTAVE_INCLUDE_DIR OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${EEGSCAN_MKOCTFILE} --version
                  OUTPUT_VARIABLE EEGSCAN_OCTAVE_VERSION ERROR_VARIABLE EEGSCAN_OCTAVE_VERSION
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  message(STATUS "Octave MEX headers: ${EEGSCAN_OCTAVE_INCLUDE_DIR}")
else()
  message(WARNING "mkoctfile not found: the Octave MEX files are not built (install liboctave-dev)")
endif()

find_package(Matlab QUIET COMPONENTS MX_LIBRARY)

# Octave 8 and later refuse a MEX file without this marker, which
# `mkoctfile --mex` adds; Octave 7 ignores it.
set(EEGSCAN_MEX_MARKER ${CMAKE_CURRENT_LIST_DIR}/octave_mex_soversion.cpp)

function(eegscan_add_mex name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;DEFINITIONS;HELP" ${ARGN})
  if(EEGSCAN_MKOCTFILE)
    add_library(${name}_mex MODULE ${ARG_SOURCES} ${EEGSCAN_MEX_MARKER})
    target_include_directories(${name}_mex PRIVATE ${EEGSCAN_OCTAVE_INCLUDE_DIR}/.. ${EEGSCAN_OCTAVE_INCLUDE_DIR})
    target_compile_definitions(${name}_mex PRIVATE EEGSCAN_MEX_NAME="${name}" ${ARG_DEFINITIONS})
    target_link_libraries(${name}_mex PRIVATE eegscan_host ${ARG_LIBS})
    target_link_options(${name}_mex PRIVATE -Wl,-Bsymbolic)
    set_target_properties(${name}_mex PROPERTIES
      PREFIX "" SUFFIX ".mex" OUTPUT_NAME ${name}
      LIBRARY_OUTPUT_DIRECTORY ${EEGSCAN_MEX_DIR})
    set_property(GLOBAL APPEND PROPERTY EEGSCAN_MEX_TARGETS ${name}_mex)
  endif()
  # The help file beside each MEX file, copied again whenever it changes.
  if(ARG_HELP)
    set(helpCopies ${EEGSCAN_MEX_DIR}/${name}.m)
    if(Matlab_FOUND)
      list(APPEND helpCopies ${EEGSCAN_MEX_DIR}/matlab/${name}.m)
    endif()
    set(copyCommands)
    foreach(copy ${helpCopies})
      list(APPEND copyCommands COMMAND ${CMAKE_COMMAND} -E copy ${ARG_HELP} ${copy})
    endforeach()
    add_custom_command(OUTPUT ${helpCopies} ${copyCommands} DEPENDS ${ARG_HELP}
                       COMMENT "Help file of ${name}")
    add_custom_target(${name}_help ALL DEPENDS ${helpCopies})
  endif()
  if(Matlab_FOUND)
    matlab_add_mex(NAME ${name}_matlab SRC ${ARG_SOURCES} OUTPUT_NAME ${name}
                   LINK_TO eegscan_host_matlab ${ARG_LIBS})
    target_compile_definitions(${name}_matlab PRIVATE EEGSCAN_MEX_NAME="${name}" ${ARG_DEFINITIONS})
    set_target_properties(${name}_matlab PROPERTIES
      LIBRARY_OUTPUT_DIRECTORY ${EEGSCAN_MEX_DIR}/matlab)
  endif()
endfunction()
