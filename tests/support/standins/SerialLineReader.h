// The far end of the caption tests' serial line (ccport.sh): reads the bytes that reached
// the pseudo-terminal, with the time each arrived, by following socat's sink file.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class SerialLineReader
{
public:
    // The COM port number ccport.sh links.
    static const char* Port() { return "7"; }

    SerialLineReader()
    {
        const char* prefix = getenv("WINEPREFIX");
        if (prefix)
            m_path = std::string("Z:") + prefix + "/mq-ccport.bytes";
        m_offset = FileSize();
        QueryPerformanceFrequency(&m_freq);
        QueryPerformanceCounter(&m_start);
        m_thread = std::thread([this] { Follow(); });
    }
    ~SerialLineReader()
    {
        m_stop = true;
        m_thread.join();
    }

    bool Available() const { return !m_path.empty() && FileSize() >= 0; }

    // Waits until at least count bytes arrived (or timeoutMs passed); returns the bytes, which
    // the caller checks (fewer than count: the wait timed out).
    [[nodiscard]] std::string WaitFor(size_t count, DWORD timeoutMs = 5000)
    {
        DWORD start = GetTickCount();
        while (Size() < count && GetTickCount() - start < timeoutMs)
            Sleep(5);
        return Bytes();
    }
    // Waits until no byte arrived for quietMs; returns the bytes. A line that never goes
    // quiet within timeoutMs fails the test.
    std::string WaitQuiet(DWORD quietMs = 300, DWORD timeoutMs = 10000)
    {
        DWORD start = GetTickCount();
        size_t last = Size();
        DWORD since = GetTickCount();
        bool quiet = false;
        while (!quiet && GetTickCount() - start < timeoutMs) {
            Sleep(10);
            size_t now = Size();
            if (now != last) {
                last = now;
                since = GetTickCount();
            } else if (GetTickCount() - since >= quietMs) {
                quiet = true;
            }
        }
        EXPECT_TRUE(quiet) << "the serial line never went quiet for " << quietMs << " ms";
        return Bytes();
    }
    std::string Bytes()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_bytes;
    }
    // Arrival time of each byte in milliseconds since the reader started.
    std::vector<double> Times()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_times;
    }
    size_t Size()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_bytes.size();
    }
    double NowMs() const
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return double(now.QuadPart - m_start.QuadPart) * 1000.0 / double(m_freq.QuadPart);
    }

private:
    long long FileSize() const
    {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (m_path.empty() || !GetFileAttributesExA(m_path.c_str(), GetFileExInfoStandard, &data))
            return -1;
        return ((long long)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    }
    void Follow()
    {
        while (!m_stop) {
            long long size = FileSize();
            if (size > m_offset) {
                double at = NowMs();
                std::string chunk = ReadRange(m_offset, size - m_offset);
                m_offset += (long long)chunk.size();
                std::lock_guard<std::mutex> guard(m_lock);
                m_bytes += chunk;
                m_times.insert(m_times.end(), chunk.size(), at);
            }
            Sleep(1);
        }
    }
    std::string ReadRange(long long offset, long long count)
    {
        std::string out;
        HANDLE h = CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return out;
        LARGE_INTEGER at;
        at.QuadPart = offset;
        SetFilePointerEx(h, at, nullptr, FILE_BEGIN);
        out.resize((size_t)count);
        DWORD read = 0;
        ReadFile(h, &out[0], (DWORD)count, &read, nullptr);
        out.resize(read);
        CloseHandle(h);
        return out;
    }

    std::string m_path;
    long long m_offset = 0;
    LARGE_INTEGER m_freq {}, m_start {};
    std::mutex m_lock;
    std::string m_bytes; // guarded by m_lock, as is m_times
    std::vector<double> m_times;
    std::atomic<bool> m_stop {false};
    std::thread m_thread;
};
