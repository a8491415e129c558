#!/usr/bin/env bash
# Installs what is needed, builds, and starts the program on the example class file.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
exec build/program/krevol-przys "$PWD/examples/klasa-przyklad.kbrp"
