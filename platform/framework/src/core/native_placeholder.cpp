// Keeps the native core library non-empty before its first portable source.
