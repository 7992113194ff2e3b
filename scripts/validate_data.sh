#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the launcher and the AppStream metainfo the way desktops and software
# centres read them, installing the validators on Debian 12 when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v desktop-file-validate > /dev/null || ! command -v appstreamcli > /dev/null; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq desktop-file-utils \
    appstream
fi

desktop-file-validate data/org.example.tallyfox.desktop
appstreamcli validate --no-net data/org.example.tallyfox.metainfo.xml
