#!/usr/bin/env bash
# Runs the 32-bit Windows tree's tests where 32-bit programs can run: here when
# this kernel runs them, else in an emulated machine (QEMU, Debian's own kernel,
# Wine's 32-bit half) that this script builds in build/vm32 and reuses.
#
#   tests/vm32/run.sh BUILD_TREE    the tests of BUILD_TREE (an i686 tree built
#                                   with its tests); leaves CTest's report in
#                                   BUILD_TREE/junit.xml and GoogleTest's in
#                                   BUILD_TREE/gtest, prints what
#                                   tools/ctest.sh counts (the runner and the
#                                   rule of every tree), ends with "N passed,
#                                   M failed"
#   tests/vm32/run.sh --remove      removes build/vm32
#
# The machine is made of the packages in packages.txt (its own list) and the
# locales of tests/code_pages.txt, and made again when a list or what makes it
# changes. Its disk image holds the
# system and one 32-bit Wine prefix and is never written by a run: each run
# boots it through a throwaway overlay, with the checkout and the tree on a
# second small disk mounted at their own paths, so that CTest runs the tests
# as the tree defines them. Root's chroot mounts exist only in a mount
# namespace of their own. Outside build/vm32 nothing is written.
set -uo pipefail
self=$(realpath "${BASH_SOURCE[0]}")
here=$(dirname "$self")
root=$(dirname "$(dirname "$here")")
source "$root/tools/wine.sh"
source "$root/tools/ctest.sh"

# What the emulated machine runs: the unit suites in their code pages and the
# journeys at 96 dpi. Every wait of the end-to-end driver is ten times longer.
guest_tests='^(core_tests_cp[0-9]+|practice_tool_tests|e2e_journeys)$'
guest_wait_factor=10
guest_wine_home=/var/lib/tarnvel
guest_minutes=20 # a run's boot, at most
prefix_minutes=15

vm=$root/build/vm32
mark="made by tests/vm32/run.sh"

say() { echo "   $*"; }

# Runs the tree's tests with CTest on this machine (test names matching $2
# when given), with a display of its own.
run_suites() {
    local tree=$1 select=${2:-}
    tarnvel_make_prefix && tarnvel_start_display || return 1
    trap tarnvel_stop_display EXIT
    tarnvel_ctest "$tree" -j1 --timeout 600 ${select:+-R "$select"}
    local status=$?
    tarnvel_stop_display
    return $status
}

# ---- Inside the emulated machine (called by init.sh) ----

# The job a boot brings: make the prefix in the image, or run the tests.
guest_job() {
    export TARNVEL_WINE_ARCH=win32 TARNVEL_WINE_HOME=$guest_wine_home
    local start=$SECONDS
    case $1 in
    prefix) make_guest_prefix ;;
    tests)
        TARNVEL_WAIT_FACTOR=$guest_wait_factor run_suites "$2" "$guest_tests"
        local status=$?
        echo "suites ran in $((SECONDS - start)) s"
        return $status
        ;;
    esac
}
make_guest_prefix() {
    local start=$SECONDS
    tarnvel_make_prefix && tarnvel_wineserver -w && echo "prefix made in $((SECONDS - start)) s"
}

# ---- On the host: building the machine ----

# Debian's minimal system and the package list in a folder, in a mount and PID
# namespace of its own: proc, sys and dev mounted into it there vanish with the
# namespace however the run ends, and no bind mount is ever seen from outside.
root_in_namespace() {
    local dir=$1 mirror=$2 suite=$3
    shift 3 # the locales to generate
    set -e
    debootstrap --variant=minbase --arch=amd64 "$suite" "$dir" "$mirror"
    mount -t proc proc "$dir/proc"
    mount -t sysfs sys "$dir/sys"
    mount --rbind /dev "$dir/dev"
    # Nothing installed starts a service on this machine.
    printf '#!/bin/sh\nexit 101\n' >"$dir/usr/sbin/policy-rc.d"
    chmod 755 "$dir/usr/sbin/policy-rc.d"
    cp /etc/resolv.conf "$dir/etc/resolv.conf"
    echo "deb $mirror $suite main" >"$dir/etc/apt/sources.list"
    chroot "$dir" dpkg --add-architecture i386
    chroot "$dir" apt-get update -qq
    # 32-bit programs cannot run on this kernel: glib's maintainer script says
    # "Exec format error" for its module caches, which Wine does not use.
    chroot "$dir" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends -o Dpkg::Options::=--force-unsafe-io \
        $(sed -e 's/#.*//' "$here/packages.txt")
    printf '%s UTF-8\n' "$@" >"$dir/etc/locale.gen"
    chroot "$dir" locale-gen
    chroot "$dir" apt-get clean
    rm "$dir/usr/sbin/policy-rc.d" "$dir/etc/resolv.conf"
}

make_root() {
    local mirror suite
    mirror=$(awk '/^URIs:/ { print $2; exit } /^deb / { print $2; exit }' \
        /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null)
    suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
    rm -rf "$vm/root"
    unshare --mount --pid --fork --kill-child --propagation private \
        bash -c "here=$(printf %q "$here"); $(declare -f root_in_namespace)
                 root_in_namespace \"\$@\"" \
        _ "$vm/root" "${mirror:-http://deb.debian.org/debian}" "$suite" $(tarnvel_test_locales)
}

# The system disk from the folder (no mount needed), the guest's own kernel
# and initrd beside it (virtio and ext4 are modules), and the init.
make_image() {
    install -m 755 "$here/init.sh" "$vm/root/sbin/tarnvel-init"
    cp "$(ls "$vm"/root/boot/vmlinuz-* | tail -n 1)" "$vm/vmlinuz.new" &&
        cp "$(ls "$vm"/root/boot/initrd.img-* | tail -n 1)" "$vm/initrd.img.new" &&
        mv "$vm/vmlinuz.new" "$vm/vmlinuz" && mv "$vm/initrd.img.new" "$vm/initrd.img" || return 1
    rm -f "$vm/system.img"
    mke2fs -q -t ext4 -L tarnvel-vm32 -E root_owner=0:0 -d "$vm/root" "$vm/system.img" 6G
}

# Boots the machine with a job disk made of $vm/job (see init.sh) and the
# system disk given; the job's log and reports come back in $vm/job-out.
boot() {
    local system=$1 format=$2 minutes=$3 console=$4
    rm -f "$vm/job.img" && rm -rf "$vm/job-out" && mkdir -p "$vm/job-out" || return 1
    local size
    size=$(du -sk "$vm/job" | cut -f 1)
    mke2fs -q -t ext4 -E root_owner=0:0 -d "$vm/job" "$vm/job.img" "$((size * 2 + 32768))k" \
        >"$vm/job-disk.log" 2>&1 ||
        { say "the job disk could not be made ($vm/job-disk.log)"; return 1; }
    # -cpu qemu64: with "max", 32-bit processes die on a kernel oops under TCG.
    # 9>&-: a machine left running by a killed run does not hold the lock.
    # mitigations=off: the guest's own Spectre and Meltdown guards, emulated,
    # made it several times slower.
    local kernel="root=/dev/vda rw console=ttyS0 init=/sbin/tarnvel-init quiet loglevel=3"
    timeout "$((minutes * 60))" qemu-system-x86_64 -accel tcg,thread=multi -cpu qemu64 \
        -smp "$(nproc)" -m 3G -kernel "$vm/vmlinuz" -initrd "$vm/initrd.img" \
        -append "$kernel panic=-1 mitigations=off" \
        -drive "file=$system,format=$format,if=virtio,cache=unsafe" \
        -drive "file=$vm/job.img,format=raw,if=virtio,cache=unsafe" \
        -nic none -display none -serial "file:$console" -monitor none -no-reboot </dev/null \
        >"$vm/qemu.log" 2>&1 9>&-
    local status=$?
    [ $status -ne 124 ] || { say "the machine did not power off within $minutes min"; return 1; }
    [ $status -eq 0 ] || { say "qemu failed ($status): $(tail -n 3 "$vm/qemu.log")"; return 1; }
    printf '%s\n' "rdump /out /tree/gtest $vm/job-out" \
        "dump /tree/junit.xml $vm/job-out/junit.xml" |
        debugfs -f - "$vm/job.img" >/dev/null 2>&1
    if [ ! -f "$vm/job-out/out/status" ]; then
        say "the machine's job did not finish; its console ($console):"
        tail -n 15 "$console" | sed 's/^/     /'
        return 1
    fi
    return "$(cat "$vm/job-out/out/status")"
}

# The job disk: the checkout (without its build trees) and, when given, a
# build tree, each to be mounted at its own path, and the task.
stage_job() {
    local task=$1 tree=${2:-}
    rm -rf "$vm/job" && mkdir -p "$vm/job/out" "$vm/job/checkout" || return 1
    tar -C "$root" --exclude=./build --exclude=./.git -cf - . | tar -C "$vm/job/checkout" -xf - ||
        return 1
    printf '%s\n' "$task" "$root" "$tree" >"$vm/job/task"
    if [ -n "$tree" ]; then
        cp -a "$tree" "$vm/job/tree" && tarnvel_forget_reports "$vm/job/tree"
    fi
}

# What the machine is made of, as text: a change to it makes the machine anew.
root_recipe() {
    sed -e 's/#.*//' "$here/packages.txt" | xargs
    . /etc/os-release && echo "$VERSION_CODENAME"
    tarnvel_test_locales | xargs
    declare -f root_in_namespace make_root
}
image_recipe() {
    root_recipe
    cat "$here/init.sh"
    echo "$guest_wine_home"
    declare -f make_image make_guest_prefix
    declare -f tarnvel_make_prefix tarnvel_wine_env tarnvel_prefix_loader
}
digest() { "$@" | sha256sum | cut -d' ' -f1; }

# Makes the machine unless the one there was made from the same recipe.
make_machine() {
    local start=$SECONDS step
    if [ "$(cat "$vm/root.recipe" 2>/dev/null)" != "$(digest root_recipe)" ]; then
        rm -f "$vm/root.recipe" "$vm/system.recipe"
        step=$SECONDS
        make_root >"$vm/root.log" 2>&1 ||
            { say "the machine's system could not be built (log: $vm/root.log)"; return 1; }
        say "system installed in $((SECONDS - step)) s"
        digest root_recipe >"$vm/root.recipe"
    fi
    if [ "$(cat "$vm/system.recipe" 2>/dev/null)" != "$(digest image_recipe)" ]; then
        rm -f "$vm/system.recipe"
        step=$SECONDS
        make_image >"$vm/image.log" 2>&1 ||
            { say "the machine's disk could not be made (log: $vm/image.log)"; return 1; }
        say "disk made in $((SECONDS - step)) s"
        step=$SECONDS
        stage_job prefix && boot "$vm/system.img" raw "$prefix_minutes" "$vm/prefix-console.log" ||
            { say "the machine could not make its Wine prefix"; return 1; }
        say "Wine prefix made in the machine in $((SECONDS - step)) s"
        digest image_recipe >"$vm/system.recipe"
        say "the machine was built in $((SECONDS - start)) s"
    else
        say "the machine built $(date -r "$vm/system.recipe" '+%F %R') is reused"
    fi
}

# Runs the tree's tests in the machine and brings the reports back.
run_in_machine() {
    local tree=$1 start=$SECONDS
    rm -f "$vm/overlay.qcow2" "$vm/tests.log"
    qemu-img create -q -f qcow2 -F raw -b "$vm/system.img" "$vm/overlay.qcow2" &&
        stage_job tests "$tree" || return 1
    boot "$vm/overlay.qcow2" qcow2 "$guest_minutes" "$vm/tests-console.log"
    local status=$?
    rm -f "$vm/overlay.qcow2"
    [ ! -f "$vm/job-out/out/log" ] || cp "$vm/job-out/out/log" "$vm/tests.log"
    [ ! -d "$vm/job-out/gtest" ] || cp -r "$vm/job-out/gtest" "$tree/"
    [ ! -f "$vm/job-out/junit.xml" ] || cp "$vm/job-out/junit.xml" "$tree/"
    say "the machine ran for $((SECONDS - start)) s (log: $vm/tests.log)"
    return $status
}

# ---- The command ----

[ "${1:-}" != --guest ] || { guest_job "${@:2}"; exit; }

# The folder is this script's alone: it refuses one it did not make.
claim() {
    if [ -e "$vm" ] && [ "$(cat "$vm/.tarnvel-vm32" 2>/dev/null)" != "$mark" ]; then
        say "$vm was not made by this script; move it away"
        return 1
    fi
    mkdir -p "$vm" && echo "$mark" >"$vm/.tarnvel-vm32"
}

if [ "${1:-}" = --remove ]; then
    [ ! -e "$vm" ] || { claim && rm -rf "$vm"; }
    exit
fi

tree=$(realpath "${1:?usage: tests/vm32/run.sh BUILD_TREE | --remove}")
tarnvel_forget_reports "$tree" # no report of an earlier run is counted
if tarnvel_can_run_win32; then
    say "this machine runs 32-bit programs: the suites run here"
    run_suites "$tree" >"$tree/ctest.log" 2>&1
    tarnvel_count "$tree" "CTest wrote no report (log: $tree/ctest.log)"
    exit
fi
claim || { echo "0 passed, 1 failed"; exit 1; }
exec 9>"$vm/lock"
flock 9
if ! make_machine; then
    tarnvel_count "$tree" "no tests ran: the machine could not be built"
    exit 1
fi
run_in_machine "$tree"
tarnvel_count "$tree" "the suites did not finish in the machine (log: $vm/tests.log)"
