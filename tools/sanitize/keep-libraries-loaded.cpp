// Linked into the sanitizer build's programs only (tools/sanitize-tests): shared libraries are
// never unloaded, so that LeakSanitizer's check at exit still sees the globals of Mesa's GL driver.
// GLX unloads that driver when the X display closes at exit, before the check runs; the blocks
// the driver still held would otherwise be reported as leaks with no stack to tell whose they are.
extern "C" int dlclose(void*)
{
    return 0;
}
