# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The SDL 1.2 library the program under test runs on, put in front of the
# loader's path: Debian's classic one, or with WINDOW_TEST_SDL=compat its
# replacement over SDL 2 (libsdl1.2-compat, in a folder of its own).
# Sourced by the tests after they define `fail`.
declare -A SDL_PACKAGES=([classic]=libsdl1.2debian [compat]=libsdl1.2-compat)
SDL_PACKAGE=${SDL_PACKAGES[${WINDOW_TEST_SDL:-classic}]:?WINDOW_TEST_SDL is classic or compat}
SDL_LIBRARY=$(realpath "$(dpkg -L "$SDL_PACKAGE" | grep '/libSDL-1\.2\.so\.0$' | head -n 1)") ||
  fail "no libSDL-1.2.so.0 in $SDL_PACKAGE"
export LD_LIBRARY_PATH="$(dirname "$SDL_LIBRARY")${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
# Under the sanitizers, SDL 2 and the libraries it brings (D-Bus among them,
# built without frame pointers) keep memory to the end of the process that
# no suppression can name; the program's own leaks are looked for on the
# classic library.
if [ "${WINDOW_TEST_SDL:-classic}" = compat ]; then
  export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
fi

# Fails unless the running process $1 has that library mapped, and no other SDL 1.2.
check_sdl_library() {
  local mapped
  mapped=$(grep -o '/[^ ]*/libSDL-1\.2\.so[.0-9]*$' "/proc/$1/maps" | sort -u | xargs -r realpath | sort -u)
  [ "$mapped" = "$SDL_LIBRARY" ] || fail "the program runs on ${mapped:-no SDL 1.2}, not on $SDL_LIBRARY"
}
