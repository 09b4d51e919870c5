#!/bin/sh
# Prints the results page on a real CUPS queue: starts CUPS with a PDF
# printer as the default queue and runs the printing test against it. Needs
# root (CUPS and its spool folder); elsewhere the test skips itself.
# Expects a built tree (scripts/build.sh).
set -eu
cd "$(dirname "$0")/.."
queue=ZorbiksPDF
if [ "$(id -u)" -ne 0 ]; then
    echo "check-printing: not root, CUPS cannot be set up here; the printing test skips itself"
    exec env QT_QPA_PLATFORM=offscreen ./build/bin/test_printing
fi
./scripts/install-deps.sh --with-printing
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    /usr/sbin/cupsd
    for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
fi
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "check-printing: CUPS could not be started; the printing test skips itself"
    exec env QT_QPA_PLATFORM=offscreen ./build/bin/test_printing
fi
lpadmin -p "$queue" -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E
lpoptions -d "$queue" >/dev/null
ZORBIKS_CUPS_QUEUE="$queue" QT_QPA_PLATFORM=offscreen ./build/bin/test_printing
