# What a host developer gets: `cmake --install` lays out bin/ (the DLL and optaset.exe),
# include/ and lib/; the zip of that layout is built with everything else, so that the
# artefact check can open it.
install(PROGRAMS $<TARGET_FILE:vellumkit> $<TARGET_FILE:optaset> DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/include/vellumkit.h DESTINATION include)
install(FILES ${VK_IMPLIB_GNU} ${VK_IMPLIB_MSVC} DESTINATION lib)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/README-host.md DESTINATION .)

set(stage ${CMAKE_BINARY_DIR}/package-stage)
add_custom_command(
  OUTPUT ${VK_PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
  COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage}/${VK_PACKAGE_NAME}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist
  COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${VK_PACKAGE_ZIP} --format=zip ${VK_PACKAGE_NAME}
  DEPENDS vellumkit optaset vellumkit_implibs ${PROJECT_SOURCE_DIR}/include/vellumkit.h
          ${PROJECT_SOURCE_DIR}/packaging/README-host.md
  COMMENT "Packaging ${VK_PACKAGE_NAME}.zip")
add_custom_target(vellumkit_package ALL DEPENDS ${VK_PACKAGE_ZIP})

# The header compiles as C and as C++ with every warning an error, with GCC and with clang;
# and a linker other than GNU ld (lld) accepts the MSVC-format import library.
foreach(lang c c++)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/kit-checks/header-${lang}.ok
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/kit-checks
    COMMAND ${CMAKE_C_COMPILER} -fsyntax-only -Wall -Wextra -Werror -pedantic -I${PROJECT_SOURCE_DIR}/include
            -x ${lang} ${PROJECT_SOURCE_DIR}/packaging/header_check.c
    COMMAND clang --target=${VK_CLANG_TARGET} -fsyntax-only -Wall -Wextra -Werror -pedantic
            -I${PROJECT_SOURCE_DIR}/include -x ${lang} ${PROJECT_SOURCE_DIR}/packaging/header_check.c
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/kit-checks/header-${lang}.ok
    DEPENDS ${PROJECT_SOURCE_DIR}/include/vellumkit.h ${PROJECT_SOURCE_DIR}/packaging/header_check.c
    COMMENT "vellumkit.h as ${lang}")
endforeach()
execute_process(COMMAND ${CMAKE_C_COMPILER} -print-libgcc-file-name OUTPUT_VARIABLE vk_libgcc
                OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(vk_libgcc_dir "${vk_libgcc}" DIRECTORY)
add_custom_command(
  OUTPUT ${VK_LLD_HOST}
  COMMAND clang --target=${VK_CLANG_TARGET} -fuse-ld=lld -L${vk_libgcc_dir} -Wall -Wextra -Werror -pedantic
          -I${PROJECT_SOURCE_DIR}/include ${PROJECT_SOURCE_DIR}/examples/minimal-host/minimal-host.c
          ${VK_IMPLIB_MSVC} -o ${VK_LLD_HOST}
  DEPENDS ${VK_IMPLIB_MSVC} vellumkit_implibs ${PROJECT_SOURCE_DIR}/examples/minimal-host/minimal-host.c
          ${PROJECT_SOURCE_DIR}/include/vellumkit.h
  COMMENT "The example host linked by lld against vellumkit.lib")
add_custom_target(vellumkit_kit_checks ALL DEPENDS ${VK_LLD_HOST} ${CMAKE_BINARY_DIR}/kit-checks/header-c.ok
                                                   ${CMAKE_BINARY_DIR}/kit-checks/header-c++.ok)
