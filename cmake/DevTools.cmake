# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later

# The tests and the benchmarks need GoogleTest and Google Benchmark. A plain configure skips
# what is missing, with a message, so that the program builds from a source tarball alone;
# the presets (and so the test command) set WELLENWERK_REQUIRE_DEV_TOOLS and stop instead.
# BUILD_TESTING is the switch every CMake user knows; it turns the tests off altogether.

option(BUILD_TESTING "Build the test programs" ON)
option(WELLENWERK_REQUIRE_DEV_TOOLS
       "Fail when GoogleTest or Google Benchmark is missing, rather than skip what needs it" OFF)

# wellenwerk_dev_tool(<result> <package> <what>): sets <result> when <package> is found.
function(wellenwerk_dev_tool result package what)
    if(WELLENWERK_REQUIRE_DEV_TOOLS)
        find_package(${package} REQUIRED)
    else()
        find_package(${package} QUIET)
    endif()
    if(${package}_FOUND)
        set(${result} ON PARENT_SCOPE)
    else()
        message(STATUS "${package} not found: ${what} are skipped")
        set(${result} OFF PARENT_SCOPE)
    endif()
endfunction()

set(WELLENWERK_TESTS OFF)
if(BUILD_TESTING)
    wellenwerk_dev_tool(WELLENWERK_TESTS GTest "the tests")
endif()
set(WELLENWERK_BENCH OFF)
if(WELLENWERK_BUILD_BENCH)
    wellenwerk_dev_tool(WELLENWERK_BENCH benchmark "the benchmarks")
endif()
if(WELLENWERK_TESTS)
    enable_testing()
endif()

# The configure test (tests/build) runs CMake itself, with these libraries hidden.
if(WELLENWERK_TESTS)
    add_test(NAME Build.ConfigureWithoutTestLibraries
             COMMAND bash ${PROJECT_SOURCE_DIR}/tests/build/check-configure.sh ${CMAKE_COMMAND}
                     ${CMAKE_GENERATOR} ${PROJECT_SOURCE_DIR})
    set_tests_properties(Build.ConfigureWithoutTestLibraries PROPERTIES TIMEOUT 300)
endif()
