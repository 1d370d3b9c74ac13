// Driver commands for the installed programs: what a program file says of
// its release, and where a shortcut leads, both read through the platform's
// own interfaces as Explorer reads them.
//
//   e2e_driver file-version PATH      the version resource: its numbers and texts
//   e2e_driver shortcut-target PATH   a shortcut's target and working folder

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

int FileVersionCommand(const char* path) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) {
        std::printf("no version resource in %s (error %lu)\n", path, GetLastError());
        return 1;
    }
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path, 0, size, data.data())) {
        std::printf("cannot read the version resource of %s\n", path);
        return 1;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
        fixed == nullptr) {
        std::printf("no fixed version block in %s\n", path);
        return 1;
    }
    std::printf("FILEVERSION %u.%u.%u.%u\n", static_cast<unsigned>(HIWORD(fixed->dwFileVersionMS)),
                static_cast<unsigned>(LOWORD(fixed->dwFileVersionMS)),
                static_cast<unsigned>(HIWORD(fixed->dwFileVersionLS)),
                static_cast<unsigned>(LOWORD(fixed->dwFileVersionLS)));
    // The texts of the block the file names in its translation table.
    struct Translation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof *translation) {
        std::printf("no translation table in %s\n", path);
        return 1;
    }
    for (const char* name :
         {"CompanyName", "FileDescription", "FileVersion", "ProductName", "ProductVersion"}) {
        char query[96];
        std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translation->language,
                      translation->codePage, name);
        char* text = nullptr;
        if (VerQueryValueA(data.data(), query, reinterpret_cast<void**>(&text), &length) &&
            text != nullptr) {
            std::printf("%s %s\n", name, text);
        } else {
            std::printf("%s (none)\n", name);
        }
    }
    return 0;
}

int ShortcutTargetCommand(const char* path) {
    if (FAILED(CoInitialize(nullptr))) {
        std::printf("COM did not start\n");
        return 1;
    }
    int result = 1;
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t widePath[MAX_PATH];
    char target[MAX_PATH] = "";
    char folder[MAX_PATH] = "";
    if (MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH) == 0) {
        std::printf("path too long: %s\n", path);
    } else if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IShellLinkA, reinterpret_cast<void**>(&link)))) {
        std::printf("no shell link object\n");
    } else if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) ||
               FAILED(file->Load(widePath, STGM_READ))) {
        std::printf("cannot load the shortcut %s\n", path);
    } else if (FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) ||
               FAILED(link->GetWorkingDirectory(folder, MAX_PATH))) {
        std::printf("the shortcut %s names no target\n", path);
    } else {
        std::printf("target %s\nworking-folder %s\n", target, folder);
        result = 0;
    }
    if (file != nullptr) {
        file->Release();
    }
    if (link != nullptr) {
        link->Release();
    }
    CoUninitialize();
    return result;
}

} // namespace

// -1 when argv names none of these commands.
int ReleaseDriverCommand(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "file-version") == 0) {
        return FileVersionCommand(argv[2]);
    }
    if (argc == 3 && std::strcmp(argv[1], "shortcut-target") == 0) {
        return ShortcutTargetCommand(argv[2]);
    }
    return -1;
}
