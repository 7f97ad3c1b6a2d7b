/* Small leaks inside system libraries that the process never frees. */
const char* __lsan_default_suppressions(void) {
  return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}
