#!/usr/bin/env bash
# Fails when a C++ file of the repository is not laid out as .clang-format says. Checks every
# tracked file, so it needs neither a remote nor a base commit.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "clang-format: semua file C++ sudah rapi"
