#!/bin/sh
# Counts lines the way the project weighs its tests against its code: non-blank lines that are not
# only a comment, of every test file under tests/ against the code under src/ and res/.
cd "$(dirname "$0")/.."
count() {
    git ls-files -- "$@" | xargs cat | grep -v -E '^[[:space:]]*$' |
        grep -c -v -E '^[[:space:]]*(//|#[^a-z!]|# |/\*|\*)'
}
code=$(count 'src/*.cpp' 'src/*.h' 'res/*.h' 'res/*.rc')
tests=$(count 'tests/*.cpp' 'tests/*.h' 'tests/*.sh' 'tests/*.py')
echo "src/ and res/: $code lines; tests/: $tests lines, $((100 * tests / code)) % of the code"
