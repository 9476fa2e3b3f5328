# Tarnvel's build trees, as functions. Sourcing this file only defines them.
#
# One tree per configuration, in build/CONFIG of the checkout, shared by every
# script (run, test, bench, fuzz):
#   native   the core, the tool and their tests, natively (RelWithDebInfo)
#   asan     the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz     the core and its libFuzzer targets, with clang
#   win64    the Windows programs, their tests and the zip, 64-bit MinGW-w64
#   win32    the same, 32-bit
#
#   tarnvel_build CONFIG [TARGET...]   configures (when needed) and builds the
#                                      tree, all of it or the targets named;
#                                      prints where the logs are on failure
#   tarnvel_tree CONFIG                the tree's folder

tarnvel_tree() {
    local tools
    tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd) || return 1
    echo "$(dirname "$tools")/build/$1"
}

# The cmake options of a configuration.
tarnvel_configuration() {
    local source
    source=$(dirname "$(dirname "$(tarnvel_tree "$1")")")
    case $1 in
    native) echo "-DCMAKE_BUILD_TYPE=RelWithDebInfo" ;;
    asan) echo "-DCMAKE_BUILD_TYPE=Debug -DTARNVEL_SANITIZE=ON" ;;
    fuzz) echo "-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTARNVEL_FUZZ=ON" ;;
    win64) echo "-DCMAKE_TOOLCHAIN_FILE=$source/cmake/mingw-w64-x86_64.cmake" ;;
    win32) echo "-DCMAKE_TOOLCHAIN_FILE=$source/cmake/mingw-w64-i686.cmake" ;;
    *) return 1 ;;
    esac
}

tarnvel_build() {
    local config=$1
    shift
    local tree options source
    tree=$(tarnvel_tree "$config") || return 1
    if ! options=$(tarnvel_configuration "$config"); then
        echo "build.sh: no configuration named $config" >&2
        return 2
    fi
    source=$(dirname "$(dirname "$tree")")
    mkdir -p "$tree" || return 1
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    # shellcheck disable=SC2086 # the options are words
    if ! cmake -S "$source" -B "$tree" $options >"$tree/configure.log" 2>&1; then
        tail -n 30 "$tree/configure.log" >&2
        echo "build.sh: configuring $config failed (log: $tree/configure.log)" >&2
        return 1
    fi
    if ! cmake --build "$tree" -j"$(nproc)" "${targets[@]}" >"$tree/build.log" 2>&1; then
        grep -E -A3 'error|Error' "$tree/build.log" | head -n 40 >&2
        echo "build.sh: building $config failed (log: $tree/build.log)" >&2
        return 1
    fi
}
