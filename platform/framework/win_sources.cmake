# Windows-only framework sources: windows, drawing, resources, registry, threads
# (paths relative to platform/framework).
set(FW_WIN_SOURCES
  src/win/resource_chain.cpp
)
