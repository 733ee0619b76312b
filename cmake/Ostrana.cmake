include(GoogleTest)

# A build for finding memory faults and undefined behaviour in our own code
# (./test.sh --sanitize builds one in build-sanitize/). Qt and the system
# libraries stay as they are; the sanitizers' run-time comes in at the link.
option(OSTRANA_SANITIZE "Build our targets with AddressSanitizer and UBSan" OFF)

# Our own targets build with every warning as an error; Qt and the system
# libraries come in as system includes and are not held to it.
function(ostrana_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
    # The logging category of what the target catches (platform/core/CaughtLog.h).
    string(REPLACE "_" "." layer ${target})
    target_compile_definitions(${target} PRIVATE OSTRANA_LOG_CATEGORY="ostrana.${layer}")
    if(OSTRANA_SANITIZE)
        set(sanitize -fsanitize=address,undefined -fno-omit-frame-pointer)
        target_compile_options(${target} PRIVATE ${sanitize} -fno-sanitize-recover=undefined)
        # PUBLIC: a static library hands the run-time on to whatever links it.
        target_link_options(${target} PUBLIC ${sanitize})
    endif()
endfunction()

# One test executable: linked with the shared test main (a QApplication on the
# offscreen platform) and the doubles, every test registered with CTest.
function(ostrana_add_test name)
    # Sanitized, our code runs several times slower (tests/support/BuildSlowdown.h).
    set(timeout 300)
    if(OSTRANA_SANITIZE)
        set(timeout 900)
    endif()
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE test_main test_support GTest::gtest GTest::gmock Qt6::Test)
    ostrana_target_defaults(${name})
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=*.debug=false"
                   TIMEOUT ${timeout})
endfunction()

# One benchmark executable under bench/, with the shared main
# (bench/support) and its timing counters.
function(ostrana_add_benchmark name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE bench_main bench_support benchmark::benchmark Qt6::Widgets)
    ostrana_target_defaults(${name})
endfunction()

# A library's headers are seen only by what links it. Its public include
# folder holds, at their place in the tree, links to its own folder (or to
# the headers it names) and nothing else, so an include of a header from a
# library that is not linked, such as one that runs up a layer, is not found.
function(ostrana_public_headers target)
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    file(REMOVE_RECURSE ${root})
    if(ARGN)
        foreach(header IN LISTS ARGN)
            get_filename_component(parent ${root}/${folder}/${header} DIRECTORY)
            file(MAKE_DIRECTORY ${parent})
            file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header}
                 SYMBOLIC)
        endforeach()
    else()
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    endif()
    get_target_property(kind ${target} TYPE)
    if(kind STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
