#!/usr/bin/env bash
# Installs the build into a fresh prefix and uses it as a newcomer would:
# the tool started from there with no loader path set, and the CMake host of
# docs/embedding.md, taken from the page as it is, configured and built
# against that prefix and run on a project the installed tool built.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
tool=$work/prefix/bin/reportdata
env -u LD_LIBRARY_PATH "$tool" --version
env -u LD_LIBRARY_PATH REPORTDATA_QUIET=1 "$tool" demo --dir "$work/demo" >/dev/null

# The page's CMake block and its C++ host, in the order they appear.
mkdir "$work/host"
awk -v dir="$work/host" '
  /^```cmake$/ { out = dir "/CMakeLists.txt"; next }
  /^```cpp$/   { out = dir "/main.cc"; next }
  /^```/       { out = ""; next }
  out != ""    { print > out }
' "$source/docs/embedding.md"
cmake -S "$work/host" -B "$work/host/build" -G Ninja \
  -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/host/build" >/dev/null
chapters=$(LD_LIBRARY_PATH="$work/prefix/lib" "$work/host/build/myhost" "$work/demo/project/report" | head -1)
if [[ -z $chapters ]]; then
  echo "install_test: the host listed no chapter of the demo project" >&2
  exit 1
fi
echo "install_test: the host lists $chapters first"
