# SPDX-License-Identifier: MIT
# Cross-compiles for 32-bit ARMv7 with the hard-float calling convention,
# using Debian's arm-linux-gnueabihf toolchain and the armhf libexif that
# multiarch installs beside the host's (libexif-dev:armhf).  The tests run
# the ARM binaries through qemu-arm:
#
#   cmake -S tag-table-check -B build-armhf \
#         --toolchain "$PWD/tag-table-check/toolchain-armhf.cmake"
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR armv7l)

set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

# Only the armhf .pc files, so pkg-config cannot hand out the host's libexif.
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/arm-linux-gnueabihf/pkgconfig:/usr/share/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

# No binfmt_misc here: ARM programs run only with the emulator named.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm)
