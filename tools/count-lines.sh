#!/bin/sh
# Counts lines the way the project weighs its tests against its code: non-blank lines that are not
# only a comment, of every test file under tests/ against the code under src/ and res/. The ratio is
# printed to one decimal, cut rather than rounded, so that it never reads lower than it is.
cd "$(dirname "$0")/.."
count() {
    git ls-files -- "$@" | xargs cat | grep -v -E '^[[:space:]]*$' |
        grep -c -v -E '^[[:space:]]*(//|#[^a-z!]|# |/\*|\*)'
}
code=$(count 'src/*.cpp' 'src/*.h' 'res/*.h' 'res/*.rc')
tests=$(count 'tests/*.cpp' 'tests/*.h' 'tests/*.sh' 'tests/*.py')
permille=$((1000 * tests / code))
echo "src/ and res/: $code lines; tests/: $tests lines, $((permille / 10)).$((permille % 10)) % of the code"
