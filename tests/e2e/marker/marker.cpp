// A small program for the launcher's end-to-end tests to start: it writes
// the arguments it was given after the marker file's path, one per line, and
// the folder it was started in, into the marker file, and ends. Written to a
// temporary name and renamed, so a test that sees the file sees all of it.
//
//   marker.exe MARKER_FILE [ARG ...]

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2) {
        return 2;
    }
    const std::string path = __argv[1];
    const std::string partial = path + ".part";
    std::FILE* out = std::fopen(partial.c_str(), "wb");
    if (out == nullptr) {
        return 1;
    }
    for (int i = 2; i < __argc; ++i) {
        std::fprintf(out, "arg=%s\n", __argv[i]);
    }
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    std::fprintf(out, "cwd=%s\n", folder);
    const bool written = std::fclose(out) == 0;
    if (!written || !MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return 1;
    }
    return 0;
}
