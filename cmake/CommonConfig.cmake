# One INTERFACE target that carries the compile settings every target of the project shares.
add_library(dalmiro_common INTERFACE)
target_compile_features(dalmiro_common INTERFACE cxx_std_20)
target_compile_options(dalmiro_common INTERFACE -Wall -Wextra)
target_include_directories(dalmiro_common INTERFACE ${PROJECT_SOURCE_DIR}/src)

if(DALMIRO_SANITIZE)
    target_compile_options(dalmiro_common INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(dalmiro_common INTERFACE -fsanitize=address,undefined)
endif()
