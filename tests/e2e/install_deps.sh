#!/usr/bin/env bash
# The package installer, with fake package tools first on PATH that record
# every call:
# - on this set-up machine (the real dpkg-query), two runs make no apt-get call;
# - as root, only the missing packages are installed, and the next run is quiet;
# - as a user with sudo, the install goes through sudo;
# - as a user who cannot use sudo, it installs nothing and says what to do.
set -uo pipefail
script=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin="$work/bin" log="$work/calls" state="$work/installed"
mkdir -p "$bin"
: >"$log"

# apt-get and apt record their arguments; an install marks the packages installed.
for tool in apt-get apt; do
  cat >"$bin/$tool" <<FAKE
#!/usr/bin/env bash
echo "$tool \$*" >>"$log"
if [ "\$1" = install ]; then
  for a in "\$@"; do case "\$a" in install|-*) ;; *) echo "\$a" >>"$state" ;; esac; done
fi
FAKE
done
chmod +x "$bin"/*
calls() { cat "$log"; }

# 1. The real dpkg-query on this machine: everything the list names is installed.
for run in 1 2; do
  out=$(PATH="$bin:$PATH" "$script" 2>&1) || fail "run $run on the set-up machine failed: $out"
  [ -z "$(calls)" ] || fail "run $run on the set-up machine called the package manager: $(calls) ($out)"
done
echo "ok: two runs on the set-up machine make no package-manager call"

# From here on dpkg-query answers from $state, and id and sudo are fakes too.
cat >"$bin/dpkg-query" <<FAKE
#!/usr/bin/env bash
p="\${@: -1}"
if grep -qx -- "\$p" "$state" 2>/dev/null; then printf 'install ok installed'; exit 0; fi
echo "dpkg-query: no packages found matching \$p" >&2
exit 1
FAKE
cat >"$bin/id" <<FAKE
#!/usr/bin/env bash
cat "$work/uid"
FAKE
cat >"$bin/sudo" <<FAKE
#!/usr/bin/env bash
[ -e "$work/sudo-refuses" ] && { echo "sudo: a password is required" >&2; exit 1; }
[ "\$1" = -n ] && shift
[ "\$1" = true ] && exit 0
echo "sudo" >>"$log"
exec "\$@"
FAKE
chmod +x "$bin"/*
# Every listed package but xdotool is installed.
/usr/bin/dpkg-query -W -f='${Package}\n' 2>/dev/null >"$state"
grep -vx xdotool "$state" >"$state.new"; mv "$state.new" "$state"
run() { PATH="$bin:$PATH" "$script" </dev/null 2>&1; }

# 2. As root: update, then an install of exactly the missing package.
echo 0 >"$work/uid"
out=$(run) || fail "the install as root failed: $out"
[ "$(calls)" = "$(printf 'apt-get update -qq\napt-get install -y -qq --no-install-recommends xdotool')" ] ||
  fail "as root the calls were: $(calls)"
: >"$log"
out=$(run) || fail "the second run as root failed: $out"
[ -z "$(calls)" ] || fail "the second run as root called: $(calls)"
echo "ok: as root only the missing package is installed, once"

# 3. A user who may use sudo.
grep -vx xdotool "$state" >"$state.new"; mv "$state.new" "$state"
echo 1000 >"$work/uid"
: >"$log"
out=$(run) || fail "the install through sudo failed: $out"
[ "$(grep -c '^sudo$' "$log")" = 2 ] && grep -q '^apt-get install .* xdotool$' "$log" ||
  fail "a user with sudo: the calls were $(calls)"
echo "ok: a user with sudo installs through sudo"

# 4. A user who cannot use sudo: nothing is installed, and the words say what to do.
grep -vx xdotool "$state" >"$state.new"; mv "$state.new" "$state"
touch "$work/sudo-refuses"
: >"$log"
if out=$(run); then fail "without root or sudo the script reported success: $out"; fi
[ -z "$(calls)" ] || fail "without root or sudo it still called: $(calls)"
case "$out" in
  *"missing: xdotool"*"cannot use sudo"*"apt-get install --no-install-recommends xdotool"*) ;;
  *) fail "without root or sudo it said: $out" ;;
esac
echo "ok: without root or sudo it says what to do"
exit 0
