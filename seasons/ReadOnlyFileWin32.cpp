#include "ReadOnlyFile.h"

#include "AnsiText.h"

#include <windows.h>

#include <utility>

namespace trelvane {
namespace {

std::string DescribeError(DWORD error) {
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

}  // namespace

std::string NativePath(const std::string& path) { return path; }

ReadOnlyFile::~ReadOnlyFile() { Close(); }

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), problem_(std::move(other.problem_)) {}

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
        problem_ = std::move(other.problem_);
    }
    return *this;
}

ReadOnlyFile ReadOnlyFile::Open(const std::string& path) {
    ReadOnlyFile file;
    const HANDLE handle = CreateFileW(WideFromAnsi(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        file.problem_ = DescribeError(GetLastError());
    } else if (GetFileType(handle) != FILE_TYPE_DISK) {
        // A folder text such as \\.\pipe\name opens a pipe, whose reads
        // wait for a writer that may never come.
        CloseHandle(handle);
        file.problem_ = "it is not a regular file";
    } else {
        file.handle_ = handle;
    }
    return file;
}

bool ReadOnlyFile::IsOpen() const { return handle_ != nullptr; }

std::size_t ReadOnlyFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) {
    if (!handle_) return 0;
    LONG high = static_cast<LONG>(offset >> 32);
    if (SetFilePointer(handle_, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN) ==
            INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
        problem_ = DescribeError(GetLastError());
        return 0;
    }
    std::size_t done = 0;
    while (done < buffer.size()) {
        DWORD got = 0;
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(buffer.size() - done, 1u << 30));
        if (!ReadFile(handle_, buffer.data() + done, ask, &got, nullptr)) {
            problem_ = DescribeError(GetLastError());
            break;
        }
        if (got == 0) break;
        done += got;
    }
    return done;
}

void ReadOnlyFile::Close() {
    if (handle_) {
        CloseHandle(handle_);
        handle_ = nullptr;
    }
}

}  // namespace trelvane
