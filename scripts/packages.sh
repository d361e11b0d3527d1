# The Debian packages the project needs, sourced by the scripts that install them.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
