# Each folder under src/ is one static library built from every .cpp in it.
# The core folders must stay free of Qt: QtFreeCheck.cmake is run by CTest over them.
function(pickwell_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    if(sources)
        add_library(${name} STATIC ${sources} ${headers})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    else()
        add_library(${name} INTERFACE ${headers})
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

# One test program per core folder: tests/core/<folder>/*.cpp, linked to that folder's library.
function(pickwell_test name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
    pickwell_discover_tests(${name})
endfunction()

# Registers a test program's cases with CTest. The cases of the suite CommaLocale run under
# de_DE.UTF-8, which the fixture CommaLocale makes first where the machine lacks it.
function(pickwell_discover_tests target)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_FILTER "-CommaLocale.*"
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_FILTER "CommaLocale.*"
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" FIXTURES_REQUIRED CommaLocale)
endfunction()
