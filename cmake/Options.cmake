# Compiler settings shared by every target of both builds.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

add_compile_options(-Wall -Wextra -Wshadow -Werror)
# GCC 12 reports -Wrestrict inside std::string's own copies at -O2 (a known false positive of
# that release, seen with short string assignments); it says nothing about our code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()

if(WIN32)
  # A user's machine has no compiler runtime DLLs: link everything in.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX)
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  option(ULVAR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
  if(ULVAR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()
