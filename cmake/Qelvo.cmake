# Helpers shared by every folder: warnings, static Windows linking, test and fuzz targets.

if(WIN32)
    enable_language(RC)
    # No mingw runtime DLLs next to the binaries: everything static.
    add_link_options(-static)
    add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

if(QELVO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
if(QELVO_FUZZ)
    # Coverage for libFuzzer in every library the fuzz targets link, not only in the targets.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Warnings for the project's own targets (not for GoogleTest).
function(qelvo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
    if(QELVO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Adds every immediate sub-folder of DIR that has a CMakeLists.txt, in name order.
function(qelvo_add_subdirectories dir)
    file(GLOB children LIST_DIRECTORIES true "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*")
    list(SORT children)
    foreach(child IN LISTS children)
        if(IS_DIRECTORY "${child}" AND EXISTS "${child}/CMakeLists.txt")
            add_subdirectory("${child}")
        endif()
    endforeach()
endfunction()

# A static engine or shell library of the project's own code.
function(qelvo_library name)
    cmake_parse_arguments(L "" "" "SOURCES;LIBS;PUBLIC_INCLUDE" ${ARGN})
    add_library(${name} STATIC ${L_SOURCES})
    target_link_libraries(${name} PUBLIC ${L_LIBS})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    qelvo_warnings(${name})
endfunction()

macro(qelvo_setup_gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(${QELVO_GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    include(GoogleTest)
    if(WIN32)
        # Every test process under Wine is started by this wrapper (it sets nothing up:
        # the Wine environment is made once by scripts/run-wine-tests).
        set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/scripts/wine-exec")
    endif()
endmacro()

# A GoogleTest executable. Natively each case is its own CTest test (listed when ctest starts,
# never at build time); under Wine one process runs the whole executable, since every Wine
# start costs a fraction of a second. GUI tests share one display: they never run in parallel.
function(qelvo_test name)
    cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} qelvo_test_main)
    qelvo_warnings(${name})
    if(WIN32)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "wine"
            RESOURCE_LOCK wine_display)
    else()
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT ${T_TIMEOUT})
    endif()
endfunction()

# A libFuzzer target; scripts/run-fuzz runs each for its share of the time budget.
function(qelvo_fuzz_target name)
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    qelvo_warnings(${name})
    set_property(GLOBAL APPEND PROPERTY QELVO_FUZZ_TARGETS ${name})
endfunction()

# The editors' caption buttons in a Windows target's resources: the bitmaps are drawn at build
# time (src/navigation/shell/make_button_art.py) and compiled in by navigation.rc. The add-on
# DLL has them; so do the Windows tests that paint them with their own module.
function(qelvo_button_art target)
    find_package(Python3 COMPONENTS Interpreter REQUIRED)
    set(shell ${CMAKE_SOURCE_DIR}/src/navigation/shell)
    set(art ${CMAKE_CURRENT_BINARY_DIR}/button_art)
    set(bitmaps ${art}/bmpFUNC95.bmp ${art}/bmpINC95.bmp ${art}/bmpQKFIND95.bmp)
    add_custom_command(OUTPUT ${bitmaps}
        COMMAND Python3::Interpreter ${shell}/make_button_art.py ${art}
        DEPENDS ${shell}/make_button_art.py
        COMMENT "Drawing the caption buttons' bitmaps for ${target}")
    target_sources(${target} PRIVATE ${shell}/navigation.rc)
    set_source_files_properties(${shell}/navigation.rc PROPERTIES OBJECT_DEPENDS "${bitmaps}")
    target_include_directories(${target} PRIVATE ${art})
endfunction()
