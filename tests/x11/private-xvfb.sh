# Sourced by the tests that need a real X server: start_private_xvfb starts
# one of their own and sets DISPLAY and XVFB_PID.
#
# Xvfb's own choice of display (-displayfd) goes by the lock files in /tmp,
# which another root (a chroot, a container with its own /tmp) does not
# share, while the abstract sockets that clients try first are shared by
# every root on the machine. Two roots would both take :0, and one's
# program would open its window on the other's server. So the display is
# picked here: a number with no lock and no server answering on it, tried
# again when the server cannot have it after all.
start_private_xvfb() {
  local n i
  XVFB_PID=
  for _ in $(seq 40); do
    n=$((RANDOM % 800 + 100))
    [ -e "/tmp/.X$n-lock" ] && continue
    xdpyinfo -display ":$n" >/dev/null 2>&1 && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    # Up to 60 s: on a loaded machine (a build beside the tests) the server
    # may take a while.
    for i in $(seq 600); do
      kill -0 "$XVFB_PID" 2>/dev/null || break  # the number was taken meanwhile
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  done
  return 1
}
