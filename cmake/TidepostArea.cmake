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

# One GoogleTest program per tests/ folder, linked with the shared test support. ctest runs each
# test case in a process of its own; with TIDEPOST_TEST_SHARDS at N it runs each program as N
# GoogleTest shards instead, for builds (the sanitizers') where starting a process costs more than
# most tests take.
set(TIDEPOST_TEST_SHARDS 0 CACHE STRING "Run each test program as this many shards (0: one process a test)")
function(tidepost_tests area)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp)
  add_executable(tests_${area} ${_sources})
  target_link_libraries(tests_${area} PRIVATE tidepost_test_support ${ARGN})
  if(TIDEPOST_TEST_SHARDS GREATER 0)
    math(EXPR _last "${TIDEPOST_TEST_SHARDS} - 1")
    foreach(_shard RANGE ${_last})
      add_test(NAME tests_${area}/${_shard} COMMAND tests_${area}
               WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
      set_tests_properties(tests_${area}/${_shard} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;GTEST_TOTAL_SHARDS=${TIDEPOST_TEST_SHARDS};GTEST_SHARD_INDEX=${_shard}")
    endforeach()
  else()
    gtest_discover_tests(tests_${area}
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
