# Sourced by test.sh --sanitize: how the sanitizers report, for the build
# (coursegen runs in it) and for the tests. A fault ends the process with an
# error; leaks are checked, except those the suppressions file lays at the
# door of the system libraries (full stacks, so that those frames are seen).
sanitize_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:fast_unwind_on_malloc=0
export LSAN_OPTIONS=suppressions=$sanitize_dir/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
