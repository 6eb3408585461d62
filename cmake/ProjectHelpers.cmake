# Helpers shared by every module's CMakeLists.

# Copies the shared C++ runtime DLLs next to the binaries: all modules use one
# libstdc++, one libgcc and one libwinpthread, hence one heap and one exception runtime.
function(mq_copy_mingw_runtime)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                  OUTPUT_VARIABLE stdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
                  OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                  OUTPUT_VARIABLE pthread OUTPUT_STRIP_TRAILING_WHITESPACE)
  foreach(dll ${stdcxx} ${libgcc} ${pthread})
    if(NOT EXISTS "${dll}")
      message(FATAL_ERROR "mingw runtime DLL not found: ${dll}")
    endif()
    file(COPY ${dll} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  endforeach()
endfunction()

# GoogleTest from the system's sources, built with whichever compiler this configuration uses.
macro(mq_setup_googletest)
  set(MQ_GTEST_SRC /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(${MQ_GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endmacro()

# mq_add_test(<name> SOURCES <files...> [LIBS <libs...>] [GUI] [TIMEOUT <s>])
# One test executable is one ctest entry; under Windows ctest runs it through Wine.
# GUI tests need the display and Wine session that tools/test-session starts; they share
# one screen (focus, stacking, pixels read back), so ctest runs them one at a time.
function(mq_add_test name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE mq_test_main ${T_LIBS})
  if(WIN32)
    target_link_options(${name} PRIVATE -mconsole)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(WIN32)
    # A message box no test answered itself is cancelled unseen instead of blocking the run.
    set_tests_properties(${name} PROPERTIES ENVIRONMENT FW_MESSAGEBOX_ANSWER=2)
  endif()
  if(T_GUI)
    set_tests_properties(${name} PROPERTIES LABELS gui RESOURCE_LOCK display)
  endif()
endfunction()

# mq_add_fuzzer(<name> SOURCES <files...> [LIBS <libs...>] CORPUS <dir>)
# Native clang builds only; tools/run-tests runs every listed fuzzer for a bounded time.
function(mq_add_fuzzer name)
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(NOT MQ_FUZZERS)
    return()
  endif()
  add_executable(${name} ${F_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  set_property(GLOBAL APPEND PROPERTY MQ_FUZZER_LIST "${name}|${F_CORPUS}")
endfunction()

# mq_add_bench(<name> SOURCES <files...> [LIBS <libs...>])
# Benchmarks are programs that print their figures; they are built, never run as tests.
function(mq_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS})
  if(WIN32)
    target_link_options(${name} PRIVATE -mconsole)
  endif()
endfunction()

# Writes fuzzers.txt in the build folder: one "<binary> <corpus dir>" line per fuzzer.
function(mq_write_fuzzer_list)
  get_property(list GLOBAL PROPERTY MQ_FUZZER_LIST)
  set(content "")
  foreach(entry ${list})
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 fname)
    list(GET parts 1 corpus)
    string(APPEND content "$<TARGET_FILE:${fname}> ${corpus}\n")
  endforeach()
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzzers.txt CONTENT "${content}")
endfunction()
