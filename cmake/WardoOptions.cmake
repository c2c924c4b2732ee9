# Compiler settings shared by every target of the project.
add_library(wardo_options INTERFACE)
target_compile_options(wardo_options INTERFACE -Wall -Wextra -Wpedantic -Werror)
target_include_directories(wardo_options INTERFACE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR})

if(WIN32)
  # Unicode off: the program talks to the room in the ANSI code page.
  target_compile_definitions(wardo_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  target_link_options(wardo_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

if(WARDO_SANITIZE)
  target_compile_options(wardo_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                 -fno-omit-frame-pointer)
  target_link_options(wardo_options INTERFACE -fsanitize=address,undefined)
endif()

# wardo_library(name SOURCES...) : a static library of the program with the project's options.
function(wardo_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC wardo_options)
endfunction()
