# shellcheck shell=bash
# Source this file: `wardo_install_missing PACKAGE...` installs with apt only the Debian packages that
# are not installed yet (nothing is downloaded when all are there).

wardo_install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]} == 0)) && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    ((EUID != 0)) && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" \
            >/dev/null
}

# What building and testing both builds needs.
# shellcheck disable=SC2034  # used by the scripts that source this file
WARDO_BUILD_PACKAGES=(g++ cmake ninja-build libgtest-dev googletest libbenchmark-dev libssl-dev python3
    g++-mingw-w64-x86-64-posix wine64 wine xvfb xauth)
