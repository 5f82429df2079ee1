// The file system through Windows' wide calls, so that folders with any
// letters in their names (a profile folder "C:\Users\Zoë") work.
#include "platform/files.h"
#include "platform/windows/windows.h"

#include <algorithm>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// The known-folder ids are defined here rather than taken from a library.
#include <initguid.h>
#include <knownfolders.h>
#include <shlobj.h>

namespace platform {
namespace {

constexpr DWORD share_all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool fail(std::string* why, const std::string& what, unsigned long error) {
    if (why) *why = (what.empty() ? "" : what + ": ") + detail::error_text(error);
    return false;
}

// Devices (NUL, CON, COM1, pipes) are no disk files, whatever their names.
FileKind kind_of(HANDLE file) {
    if (GetFileType(file) != FILE_TYPE_DISK) return FileKind::Other;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file, &info)) return FileKind::Other;
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder
                                                              : FileKind::Regular;
}

bool is_drive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// "C:" alone, or "C:chars", would mean the drive's own working folder;
// the game means its root.
std::string drive_rooted(std::string path) {
    if (is_drive(path) && (path.size() == 2 || (path[2] != '/' && path[2] != '\\')))
        path.insert(2, "/");
    return path;
}

bool write_all(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD put = 0;
        if (!WriteFile(file, bytes.data(), chunk, &put, nullptr) || put == 0) return false;
        bytes.remove_prefix(put);
    }
    return true;
}

// Closes and removes the temporary file after a failure, keeping Windows'
// account of what went wrong.
bool give_up(HANDLE file, const std::wstring& temporary, std::string* why,
             const std::string& what) {
    const DWORD error = GetLastError();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    DeleteFileW(temporary.c_str());
    return fail(why, what, error);
}

} // namespace

FileKind file_kind(const std::string& path) {
    // No access asked for: only the entry's attributes are read.
    HANDLE file = CreateFileW(detail::system_path(drive_rooted(path)).c_str(), 0, share_all,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileKind::Missing;
    const FileKind kind = kind_of(file);
    CloseHandle(file);
    return kind;
}

std::FILE* open_regular_file(const std::string& path, bool readable, bool writeable) {
    const DWORD access = (readable && writeable) ? GENERIC_READ | GENERIC_WRITE
                         : writeable             ? GENERIC_WRITE
                                                 : GENERIC_READ;
    const bool create = writeable && !readable;
    // Shared for deleting too, so that the crash-safe rewrite can replace a
    // file that a stream still holds open.
    HANDLE file = CreateFileW(detail::system_path(path).c_str(), access, share_all, nullptr,
                              create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    if (kind_of(file) != FileKind::Regular || (create && !SetEndOfFile(file))) {
        CloseHandle(file);
        return nullptr;
    }
    const int flags = ((readable && writeable) ? _O_RDWR
                       : writeable             ? _O_WRONLY
                                               : _O_RDONLY) |
                      _O_BINARY;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), flags);
    if (fd < 0) {
        CloseHandle(file);
        return nullptr;
    }
    std::FILE* stream = _fdopen(fd, (readable && writeable) ? "r+b" : writeable ? "wb" : "rb");
    if (!stream) _close(fd);
    return stream;
}

bool replace_file_contents(const std::string& path, std::string_view bytes, std::string* why) {
    // Only a regular file is replaced: a folder, or a device such as NUL,
    // stays what it is.
    const FileKind before = file_kind(path);
    if (before != FileKind::Missing && before != FileKind::Regular)
        return fail(why, "cannot replace " + path, ERROR_ACCESS_DENIED);
    const std::string temporary_name = path + ".new";
    const std::wstring temporary = detail::system_path(temporary_name);
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return fail(why, "cannot create " + temporary_name, GetLastError());
    if (kind_of(file) != FileKind::Regular) {
        CloseHandle(file);
        return fail(why, "cannot create " + temporary_name, ERROR_FILE_EXISTS);
    }
    if (!write_all(file, bytes))
        return give_up(file, temporary, why, "cannot write " + temporary_name);
    if (!FlushFileBuffers(file))
        return give_up(file, temporary, why, "cannot flush " + temporary_name);
    if (!CloseHandle(file))
        return give_up(INVALID_HANDLE_VALUE, temporary, why, "cannot close " + temporary_name);
    // Write-through: the move itself is on the disk when the call returns.
    if (!MoveFileExW(temporary.c_str(), detail::system_path(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return give_up(INVALID_HANDLE_VALUE, temporary, why, "cannot replace " + path);
    return true;
}

bool make_folder(const std::string& path, std::string* why) {
    return CreateDirectoryW(detail::system_path(path).c_str(), nullptr) != 0 ||
           fail(why, "", GetLastError());
}

bool is_absolute_path(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || is_drive(path);
}

std::string full_path(const std::string& path) {
    if (file_kind(path) == FileKind::Missing) return {};
    const std::wstring wide = detail::system_path(path);
    std::wstring full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length =
        GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) return {};
    full.resize(length);
    std::string text = detail::narrow(full);
    for (char& c : text)
        if (c == '\\') c = '/';
    return text;
}

bool folder_accepts_new_files(const std::string& folder) {
    const std::string probe = (folder.empty() ? std::string(".") : folder) + "/.orvessa-probe-" +
                              std::to_string(GetCurrentProcessId());
    HANDLE file = CreateFileW(
        detail::system_path(probe).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
        FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

std::string roaming_data_folder() {
    std::wstring folder;
    wchar_t* known = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known) == S_OK) folder = known;
    CoTaskMemFree(known);
    if (folder.empty())
        if (const wchar_t* variable = _wgetenv(L"APPDATA")) folder = variable;
    std::string text = detail::narrow(folder);
    for (char& c : text)
        if (c == '\\') c = '/';
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

} // namespace platform
