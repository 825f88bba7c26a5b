# Shared build settings for our own targets (not for GoogleTest).

function(vk_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  if(WIN32)
    target_compile_definitions(${target} PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX
      _WIN32_WINNT=0x0601 WINVER=0x0601 UNICODE _UNICODE)
  else()
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# Every Windows binary carries its compiler runtime: only system DLLs may be imported.
function(vk_static_runtime target)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()

# A GoogleTest program. Windows ones run under Wine through the cross-compiling emulator.
function(vk_test name)
  add_executable(${name} ${ARGN})
  vk_target(${name})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  if(WIN32)
    vk_static_runtime(${name})
    target_link_options(${name} PRIVATE -mconsole)
    set(timeout 120)
  else()
    set(timeout 120)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout})
endfunction()

# A VERSIONINFO resource for a shipped binary, from the project's one version, so that an
# installer can tell whether to replace a copy already on the machine.
function(vk_version_resource target product description filename filetype)
  set(VK_VER_PRODUCT ${product})
  set(VK_VER_DESCRIPTION ${description})
  set(VK_VER_FILENAME ${filename})
  set(VK_VER_FILETYPE ${filetype})
  set(rc ${CMAKE_BINARY_DIR}/version/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
