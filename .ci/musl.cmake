# SPDX-License-Identifier: MIT
# Builds against musl instead of glibc, with Debian's musl-tools: C through
# musl-gcc; C++ by g++ against musl's C headers, with libstdc++'s headers in
# front; every program linked through musl-gcc, which brings no C++ runtime
# (the checker needs none).  Not a cross build: musl's loader runs the
# programs here.  pkg-config must be pointed at a musl-built libexif.
set(CMAKE_C_COMPILER musl-gcc)
set(CMAKE_CXX_COMPILER g++)

execute_process(COMMAND g++ -dumpversion OUTPUT_VARIABLE gxx_version OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND g++ -dumpmachine OUTPUT_VARIABLE gxx_machine OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND g++ -print-file-name=include OUTPUT_VARIABLE gxx_include OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REPLACE "-gnu" "-musl" musl_machine "${gxx_machine}")
# libstdc++'s configuration for Linux asks glibc's version of musl, which has
# none to give: answer "older than any".
set(CMAKE_CXX_FLAGS_INIT "-nostdinc -isystem /usr/include/c++/${gxx_version} \
-isystem /usr/include/${gxx_machine}/c++/${gxx_version} \
-isystem /usr/include/${musl_machine} -isystem ${gxx_include} '-D__GLIBC_PREREQ(major,minor)=0'")
set(CMAKE_CXX_LINK_EXECUTABLE
    "musl-gcc <FLAGS> <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES>")
