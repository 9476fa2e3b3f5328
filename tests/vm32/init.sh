#!/bin/bash
# The emulated machine's first process (tests/vm32/run.sh puts it in the image):
# mounts what programs need, mounts the job disk's checkout and build tree at
# the paths they have on the host, runs the job through the checkout's own
# tests/vm32/run.sh, leaves its log and status on the job disk and powers off.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root TERM=dumb LANG=C.UTF-8
mountpoint -q /proc || mount -t proc proc /proc
mountpoint -q /sys || mount -t sysfs sys /sys
mountpoint -q /dev || mount -t devtmpfs dev /dev
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /tmp
mount -t tmpfs tmpfs /run
mkdir -p /run/job
mount /dev/vdb /run/job
{ read -r task && read -r checkout && read -r tree; } </run/job/task
mkdir -p "$checkout" && mount --bind /run/job/checkout "$checkout"
if [ -n "$tree" ]; then mkdir -p "$tree" && mount --bind /run/job/tree "$tree"; fi

echo "tarnvel-vm32: $task, up $(cut -d' ' -f1 /proc/uptime) s" >/dev/console
bash "$checkout/tests/vm32/run.sh" --guest "$task" "$tree" 2>&1 | tee /run/job/out/log >/dev/console
echo "${PIPESTATUS[0]}" >/run/job/out/status

# An image left with a dirty journal would be checked at the next boot.
umount "$tree" "$checkout" 2>/dev/null
umount /run/job
sync
echo u >/proc/sysrq-trigger
echo o >/proc/sysrq-trigger
# The first process may not end before the machine is off.
exec sleep infinity
