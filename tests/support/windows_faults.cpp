// Fails one call of the Windows file functions in a test build of a program,
// for the fault test (faults_test.sh), as strace does on Linux. Linked into the
// program, it routes the program's calls of the functions below through its
// import table to a counter before the program starts:
// - FLG2SCN_CALLS=FILE writes each call's name to FILE, a line each;
// - FLG2SCN_FAULT="NAME N ERROR" fails the Nth call of NAME with the Windows
//   error for the errno name ERROR (EACCES, ENOSPC, or EIO for any other), as
//   the function fails: CloseHandle closes the handle all the same, as close
//   does on POSIX; the others do nothing;
// - FLG2SCN_FAULT="NAME N kill" ends the process at that call, before it is
//   made, with TerminateProcess and exit code 137, as SIGKILL would.

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <type_traits>

namespace {

struct Fault {
    std::string name;
    long call = 0;
    bool kill = false;
    DWORD error = ERROR_IO_DEVICE;
};

Fault fault;
FILE* calls = nullptr;
long counts[16] = {};

// Counts a call of the Ith function, NAME; whether it is the one to fail.
bool Failing(int index, const char* name) {
    if (calls != nullptr) {
        std::fprintf(calls, "%s\n", name);
        std::fflush(calls);
    }
    if (fault.name != name || ++counts[index] != fault.call) {
        return false;
    }
    if (fault.kill) {
        ::TerminateProcess(::GetCurrentProcess(), 137);
    }
    return true;
}

template <int kIndex, typename Function, std::intptr_t kFailed>
struct Hook;

// The Ith function, with what it returns when it fails.
template <int kIndex, std::intptr_t kFailed, typename R, typename... A>
struct Hook<kIndex, R(A...), kFailed> {
    static inline R (*real)(A...) = nullptr;
    static inline const char* name = nullptr;

    static R Call(A... arguments) {
        if (!Failing(kIndex, name)) {
            return real(arguments...);
        }
        if (std::strcmp(name, "CloseHandle") == 0) {
            real(arguments...);
        }
        ::SetLastError(fault.error);
        if constexpr (std::is_pointer_v<R>) {
            return reinterpret_cast<R>(kFailed);
        } else {
            return static_cast<R>(kFailed);
        }
    }
};

struct Entry {
    const char* name;
    void* hook;
    void** real;
};

template <int kIndex, typename Function, std::intptr_t kFailed>
Entry Of(const char* name) {
    using H = Hook<kIndex, Function, kFailed>;
    H::name = name;
    return {name, reinterpret_cast<void*>(&H::Call), reinterpret_cast<void**>(&H::real)};
}

// Puts each hook in the import table's slot of its function, keeping what was there.
void Install(const Entry* entries, std::size_t count) {
    auto* const base = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
    const auto* const dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    const auto* const nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name != 0; ++library) {
        if (_stricmp(reinterpret_cast<char*>(base + library->Name), "kernel32.dll") != 0) {
            continue;
        }
        auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; name->u1.AddressOfData != 0; ++name, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) {
                continue;
            }
            const char* const function =
                reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData)->Name;
            for (std::size_t i = 0; i < count; ++i) {
                if (std::strcmp(function, entries[i].name) != 0) {
                    continue;
                }
                DWORD protection = 0;
                ::VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE,
                                 &protection);
                *entries[i].real = reinterpret_cast<void*>(slot->u1.Function);
                slot->u1.Function = reinterpret_cast<ULONG_PTR>(entries[i].hook);
                ::VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection,
                                 &protection);
            }
        }
    }
}

bool Start() {
    if (const char* const file = std::getenv("FLG2SCN_CALLS")) {
        calls = std::fopen(file, "w");
    }
    if (const char* const setting = std::getenv("FLG2SCN_FAULT")) {
        char name[64] = {};
        char how[16] = {};
        if (std::sscanf(setting, "%63s %ld %15s", name, &fault.call, how) == 3) {
            fault.name = name;
            fault.kill = std::strcmp(how, "kill") == 0;
            fault.error = std::strcmp(how, "EACCES") == 0   ? ERROR_ACCESS_DENIED
                          : std::strcmp(how, "ENOSPC") == 0 ? ERROR_DISK_FULL
                                                            : ERROR_IO_DEVICE;
        }
    }
    const Entry entries[] = {
        Of<0, decltype(::CreateFileW), -1>("CreateFileW"),
        Of<1, decltype(::ReadFile), 0>("ReadFile"),
        Of<2, decltype(::WriteFile), 0>("WriteFile"),
        Of<3, decltype(::FlushFileBuffers), 0>("FlushFileBuffers"),
        Of<4, decltype(::MoveFileExW), 0>("MoveFileExW"),
        Of<5, decltype(::DeleteFileW), 0>("DeleteFileW"),
        Of<6, decltype(::GetFileAttributesW), INVALID_FILE_ATTRIBUTES>("GetFileAttributesW"),
        Of<7, decltype(::GetFileInformationByHandle), 0>("GetFileInformationByHandle"),
        Of<8, decltype(::GetFileType), FILE_TYPE_UNKNOWN>("GetFileType"),
        Of<9, decltype(::CloseHandle), 0>("CloseHandle")};
    Install(entries, std::size(entries));
    return true;
}

const bool started = Start();

}  // namespace
