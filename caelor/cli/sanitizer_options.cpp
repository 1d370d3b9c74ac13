// caelor-cli and the unit tests under AddressSanitizer: fontconfig (through
// Cairo's text) keeps its configuration cache until the process ends, which
// LeakSanitizer reports as leaks of ours. They are the library's, once per
// run; ours stay checked.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

// Quietly: the commands' stderr is part of what their tests check.
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}
#endif
