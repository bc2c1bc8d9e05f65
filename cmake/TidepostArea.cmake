# One static library per src/ folder; sources are picked up from the folder so
# that adding a file needs no edit here.
function(tidepost_area name)
  file(GLOB _sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp
       ${PROJECT_SOURCE_DIR}/src/${name}/*.h
       ${PROJECT_SOURCE_DIR}/src/${name}/*.qrc)
  list(FILTER _sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(tidepost_${name} STATIC ${_sources})
  target_include_directories(tidepost_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(tidepost_${name} PUBLIC ${ARGN})
endfunction()

# One GoogleTest program per tests/ folder, linked with the shared test support.
function(tidepost_tests area)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp)
  add_executable(tests_${area} ${_sources})
  target_link_libraries(tests_${area} PRIVATE tidepost_test_support ${ARGN})
  gtest_discover_tests(tests_${area}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
