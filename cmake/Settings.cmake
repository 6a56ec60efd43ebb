# Shared compile settings: every target links velmar_settings.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

add_library(velmar_settings INTERFACE)
target_compile_options(velmar_settings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                 -Wno-sign-conversion)
target_include_directories(velmar_settings INTERFACE ${PROJECT_SOURCE_DIR})

if(VELMAR_SANITIZE)
    target_compile_options(velmar_settings INTERFACE -fsanitize=address,undefined
                                                     -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(velmar_settings INTERFACE -fsanitize=address,undefined)
endif()

if(VELMAR_TSAN)
    target_compile_options(velmar_settings INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(velmar_settings INTERFACE -fsanitize=thread)
endif()
