#!/usr/bin/env bash
# Starts the printing service and adds the queue "PDF" whose output lands as PDF files in $HOME/PDF
# (printer-driver-cups-pdf). Used by the end-to-end print tests; safe to run again.
set -euo pipefail

if ! command -v cupsd >/dev/null; then
  echo "cups is not installed" >&2
  exit 1
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  $SUDO cupsd
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
  done
fi

if ! lpstat -p PDF >/dev/null 2>&1; then
  ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || true)
  if [ -n "$ppd" ]; then
    $SUDO lpadmin -p PDF -v cups-pdf:/ -E -P "$ppd"
  else
    $SUDO lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
  fi
fi
$SUDO cupsenable PDF 2>/dev/null || true
$SUDO cupsaccept PDF 2>/dev/null || true
lpstat -p PDF
