// Serial port numbers from the system's device list: the names that count, and a list that
// does not fit the first buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ComPortList.h"

namespace {

const unsigned long kInsufficientBuffer = 122;

std::string DeviceList(std::initializer_list<std::string> names)
{
    std::string list;
    for (const std::string& name : names)
        list += name + '\0';
    return list + '\0';
}

TEST(ComPortList, PortNumbersComeFromTheComNamesInListOrder)
{
    std::string list = DeviceList(
        {"AUX", "COM12", "LPT1", "com3", "COM", "COMX", "Com1", "COM3", "PhysicalDrive0"});
    std::vector<int> ports = {99};
    EnumerateComPorts(ports, [&](char* buffer, unsigned long size, unsigned long& error) {
        error = 0;
        std::memcpy(buffer, list.data(), list.size());
        return (unsigned long)list.size();
    });
    EXPECT_EQ(ports, (std::vector<int> {12, 3, 0, 1, 3}));
}

TEST(ComPortList, TheBufferGrowsUntilTheDeviceListFits)
{
    // A machine with many devices: the list is far longer than the first buffer.
    std::string list;
    for (int i = 0; i < 20000; ++i)
        list += "Device" + std::to_string(i) + '\0';
    list += std::string("COM7") + '\0' + '\0';
    ASSERT_GT(list.size(), 65535u * 2);
    std::vector<unsigned long> sizes;
    std::vector<int> ports;
    EnumerateComPorts(ports, [&](char* buffer, unsigned long size, unsigned long& error) {
        sizes.push_back(size);
        if (size < list.size()) {
            error = kInsufficientBuffer;
            return 0ul;
        }
        error = 0;
        std::memcpy(buffer, list.data(), list.size());
        return (unsigned long)list.size();
    });
    EXPECT_EQ(ports, (std::vector<int> {7}));
    ASSERT_GE(sizes.size(), 2u);
    EXPECT_EQ(sizes.front(), 65535u);
    for (size_t i = 1; i < sizes.size(); ++i)
        EXPECT_GT(sizes[i], sizes[i - 1]);
}

TEST(ComPortList, AFailedListingGivesNoPorts)
{
    std::vector<int> ports = {1};
    int calls = 0;
    EnumerateComPorts(ports, [&](char*, unsigned long, unsigned long& error) {
        ++calls;
        error = 5; // access denied: no larger buffer helps
        return 0ul;
    });
    EXPECT_TRUE(ports.empty());
    EXPECT_EQ(calls, 1);
    // A list that never fits ends too, without exhausting memory.
    EnumerateComPorts(ports, [&](char*, unsigned long, unsigned long& error) {
        error = kInsufficientBuffer;
        return 0ul;
    });
    EXPECT_TRUE(ports.empty());
}

} // namespace
