# SPDX-License-Identifier: MIT
# Builds against musl instead of glibc, with Debian's musl-tools: C through
# musl-gcc, C++ by g++ against musl's C headers with libstdc++'s headers in
# front, and every program linked as musl-gcc links C, which brings no C++
# runtime (the checker needs none).  The C++ flags already carry musl's specs,
# so the C++ link is the plain C driver's.  Not a cross build: musl's loader runs
# the programs here.  pkg-config must be pointed at a musl-built libexif.
set(CMAKE_C_COMPILER musl-gcc)
set(CMAKE_CXX_COMPILER g++)

execute_process(COMMAND g++ -dumpversion OUTPUT_VARIABLE gxx_version OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND g++ -dumpmachine OUTPUT_VARIABLE gxx_machine OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REPLACE "-gnu" "-musl" musl_machine "${gxx_machine}")
set(musl_specs /usr/lib/${musl_machine}/musl-gcc.specs)
# libstdc++'s configuration for Linux asks glibc's version of musl, which has
# none to give: answer "older than any".
set(CMAKE_CXX_FLAGS_INIT
    "-isystem /usr/include/c++/${gxx_version} -isystem /usr/include/${gxx_machine}/c++/${gxx_version} -specs ${musl_specs} '-D__GLIBC_PREREQ(major,minor)=0'")
set(CMAKE_CXX_LINK_EXECUTABLE
    "gcc <FLAGS> <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES>")
