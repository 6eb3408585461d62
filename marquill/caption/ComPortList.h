// The serial ports the machine has, by number, for the port page and for the check of the
// configured caption port.
#pragma once
#include <cstddef>
#include <functional>
#include <vector>

// Appends the number of every "COM<n>" name (any case) of a list of zero-terminated device
// names ended by an empty name, in the list's order: "COM12" gives 12, "COMX" gives 0.
void AppendComPortNumbers(const char* names, size_t size, std::vector<int>& ports);

// Fills buffer (size bytes) with the system's device names; returns the bytes used, or 0
// with error set (the system's "insufficient buffer" error asks for a larger buffer).
typedef std::function<unsigned long(char* buffer, unsigned long size, unsigned long& error)>
    DeviceListQuery;

// Empties ports and lists the machine's serial ports. The device list is fetched into a
// buffer that grows until the list fits. query: where the list comes from (the system's
// QueryDosDevice when empty). Nothing is reported: a failure leaves ports as far as filled.
void EnumerateComPorts(std::vector<int>& ports, const DeviceListQuery& query = DeviceListQuery());
