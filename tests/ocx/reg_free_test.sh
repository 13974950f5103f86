#!/usr/bin/env bash
# Runs the registration-free test exe in a Wine prefix of its own in which nothing of the control is
# registered (the exe checks that too), so that only the activation context can resolve the class.
# Usage: reg_free_test.sh TEST_EXE PRIVATE_PREFIX
set -euo pipefail
exe=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/private_prefix.sh"
zarnel_private_prefix "$2"
zarnel_forget_control HKCR
wine "$exe" </dev/null
