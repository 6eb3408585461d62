# Portable framework sources: built into Framework.dll and natively (paths relative to
# platform/framework).
set(FW_CORE_SOURCES
  src/core/archive.cpp
  src/core/codepage.cpp
  src/core/collections.cpp
  src/core/diagnostics.cpp
  src/core/exceptions.cpp
  src/core/file.cpp
  src/core/geometry.cpp
  src/core/memfile.cpp
  src/core/object.cpp
  src/core/oledatetime.cpp
  src/core/safe_save.cpp
  src/core/string.cpp
  src/core/time.cpp
  src/core/time_format.cpp
)
# The platform seam of the core (src/core/platform.h): Win32 files, message boxes,
# resource strings and global memory on Windows; POSIX files natively.
if(WIN32)
  list(APPEND FW_CORE_SOURCES
    src/core/win/platform_win.cpp
    src/core/win/shared_file.cpp
  )
else()
  list(APPEND FW_CORE_SOURCES
    src/core/posix/platform_posix.cpp
  )
endif()
