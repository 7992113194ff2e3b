#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the licence of every file (REUSE), and the launcher and the AppStream
# metainfo the way desktops and software centres read them, installing the
# checkers on Debian 12 when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v desktop-file-validate > /dev/null || ! command -v appstreamcli > /dev/null ||
  ! command -v reuse > /dev/null; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq desktop-file-utils \
    appstream reuse
fi

reuse lint
# desktop-file-validate prints warnings but fails on errors only: both count.
desktop_findings=$(desktop-file-validate data/io.github.tallyfox.Tallyfox.desktop 2>&1) || true
if [ -n "$desktop_findings" ]; then
  echo "$desktop_findings" >&2
  exit 1
fi
# A warning fails as an error does; infos and pedantic notes (the id's capital
# letter, <developer> unknown to Debian 12's appstream) do not.
metainfo_findings=$(appstreamcli validate --pedantic --no-net \
  data/io.github.tallyfox.Tallyfox.metainfo.xml 2>&1) || true
echo "$metainfo_findings"
if grep -q '^[EW]:\|Validation failed' <<< "$metainfo_findings"; then exit 1; fi
