#include "ComPortList.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

const unsigned long kFirstBufferSize = 65535;
// A device list beyond this is not a device list: give up rather than exhaust memory.
const unsigned long kLargestBufferSize = 16ul * 1024 * 1024;
const unsigned long kInsufficientBuffer = 122; // ERROR_INSUFFICIENT_BUFFER
const unsigned long kMoreData = 234; // ERROR_MORE_DATA

bool StartsWithCom(const char* name)
{
    return (name[0] == 'C' || name[0] == 'c') && (name[1] == 'O' || name[1] == 'o') &&
        (name[2] == 'M' || name[2] == 'm');
}

#if defined(_WIN32)
unsigned long QuerySystemDevices(char* buffer, unsigned long size, unsigned long& error)
{
    SetLastError(ERROR_SUCCESS);
    DWORD used = QueryDosDeviceA(nullptr, buffer, size);
    error = used ? ERROR_SUCCESS : GetLastError();
    return used;
}

bool IsNtFamily()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    BOOL ok = GetVersionExA(&info);
#pragma GCC diagnostic pop
    return ok && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// Without a device list: every port that opens, is in use, or fails as a present device does.
void ProbeComPorts(std::vector<int>& ports)
{
    for (int n = 1; n <= 255; ++n) {
        std::string path = "\\\\.\\COM" + std::to_string(n);
        HANDLE port = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (port != INVALID_HANDLE_VALUE) {
            CloseHandle(port);
            ports.push_back(n);
        } else {
            DWORD error = GetLastError();
            if (error == ERROR_ACCESS_DENIED || error == ERROR_GEN_FAILURE)
                ports.push_back(n);
        }
    }
}
#endif

} // namespace

void AppendComPortNumbers(const char* names, size_t size, std::vector<int>& ports)
{
    size_t at = 0;
    while (at < size && names[at] != '\0') {
        const char* name = names + at;
        size_t length = strnlen(name, size - at);
        if (length > 3 && StartsWithCom(name)) {
            // The leading number, as atoi reads it; one beyond an int is no port (0).
            long number = std::strtol(std::string(name + 3, length - 3).c_str(), nullptr, 10);
            ports.push_back(number >= INT_MIN && number <= INT_MAX ? int(number) : 0);
        }
        at += length + 1;
    }
}

void EnumerateComPorts(std::vector<int>& ports, const DeviceListQuery& query)
{
    ports.clear();
#if defined(_WIN32)
    if (!query && !IsNtFamily()) {
        ProbeComPorts(ports);
        return;
    }
    DeviceListQuery devices = query ? query : DeviceListQuery(QuerySystemDevices);
#else
    if (!query)
        return;
    DeviceListQuery devices = query;
#endif
    std::string buffer;
    for (unsigned long size = kFirstBufferSize; size <= kLargestBufferSize; size *= 2) {
        buffer.assign(size, '\0');
        unsigned long error = 0;
        unsigned long used = devices(&buffer[0], size, error);
        if (used) {
            AppendComPortNumbers(buffer.data(), used < size ? used : size, ports);
            return;
        }
        if (error != kInsufficientBuffer && error != kMoreData)
            return;
    }
}
