# corvale_program(<target> FOLDER <install folder under CORVALE> OUTPUT <exe name> SOURCES ... [COMPANION])
# A Windows GUI program linked against the framework, installed as CORVALE/<folder>/<output>.exe, in the
# install component "programs" (what the package ships) or, with COMPANION, "companions".
function(corvale_program target)
  cmake_parse_arguments(P "COMPANION" "FOLDER;OUTPUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} WIN32 ${P_SOURCES})
  target_link_libraries(${target} PRIVATE framework_entry framework ${P_LIBS})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/resources)
  # A test build's program publishes the objects it holds (instrumentation/).
  if(CORVALE_OBJECT_COUNTS)
    target_link_libraries(${target} PRIVATE instrumentation_object_counts)
  endif()
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${P_OUTPUT})
  set(component programs)
  if(P_COMPANION)
    set(component companions)
  endif()
  install(TARGETS ${target} RUNTIME DESTINATION "CORVALE/${P_FOLDER}" COMPONENT ${component})
endfunction()
