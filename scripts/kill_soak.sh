#!/usr/bin/env bash
# Kills a saving process 1000 times (or $1 times) at random moments and
# checks after each kill that the grade book and its backup are whole and
# that the next save leaves no stray file. Needs a built tree (build/).
set -euo pipefail
cd "$(dirname "$0")/.."
iterations="${1:-1000}"
MIRAVEL_KILL_ITERATIONS="$iterations" build/tests/file_tests --gtest_filter='KillPoint.*'
