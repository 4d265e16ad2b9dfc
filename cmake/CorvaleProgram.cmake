# corvale_program(<target> FOLDER <install folder under CORVALE> OUTPUT <exe name> SOURCES ...)
# A Windows GUI program linked against the framework, installed as CORVALE/<folder>/<output>.exe.
function(corvale_program target)
  cmake_parse_arguments(P "" "FOLDER;OUTPUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} WIN32 ${P_SOURCES})
  target_link_libraries(${target} PRIVATE framework ${P_LIBS})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${P_OUTPUT})
  install(TARGETS ${target} RUNTIME DESTINATION "CORVALE/${P_FOLDER}")
endfunction()
