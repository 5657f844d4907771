#!/bin/sh
# Installs the Debian packages that building and testing QuorvaLinde need, but only those that
# are missing, so that a prepared machine does not wait on apt. Run as root (or with sudo).
set -eu

packages="cmake make g++ pkg-config libjpeg62-turbo-dev libgtest-dev libgmock-dev libbenchmark-dev"
case " $* " in *" ui "*) packages="$packages qt6-base-dev fonts-liberation2 fonts-dejavu-core" ;; esac
for extra in "$@"; do
  case "$extra" in ui) ;; *) packages="$packages $extra" ;; esac
done

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
