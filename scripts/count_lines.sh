#!/usr/bin/env bash
# Counts the non-blank, non-comment lines of C++ under tests/ against those of the rest of the
# program (bench/ left out) and prints both with their ratio.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
count() {
  # Strips // and /* */ comments (outside string literals), then counts the lines left non-blank.
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' \) -print0 | sort -z |
    xargs -0 -r cat | awk '
      { line = $0; out = ""; i = 1; n = length(line)
        while (i <= n) {
          c = substr(line, i, 1); two = substr(line, i, 2)
          if (inblock) { if (two == "*/") { inblock = 0; i += 2 } else i++; continue }
          if (instr) { out = out c; if (c == "\\") { out = out substr(line, i + 1, 1); i += 2; continue }
                       if (c == q) instr = 0; i++; continue }
          if (two == "//") break
          if (two == "/*") { inblock = 1; i += 2; continue }
          if (c == "\"" || c == "'\''") { instr = 1; q = c }
          out = out c; i++
        }
        instr = 0
        if (out ~ /[^ \t\r]/) total++ }
      END { print total + 0 }'
}
dirs=()
for d in */; do
  d=${d%/}
  case $d in tests|bench|build*) ;; *) dirs+=("$d") ;; esac
done
t=$(count tests)
c=$(count "${dirs[@]}")
awk -v t="$t" -v c="$c" 'BEGIN { printf "tests %d  code %d  ratio %.3f\n", t, c, t / c }'
