# Windows-only framework sources: windows, drawing, resources, registry, threads
# (paths relative to platform/framework).
set(FW_WIN_SOURCES
  src/win/app.cpp
  src/win/cmdtarget.cpp
  src/win/ctrls.cpp
  src/win/dc.cpp
  src/win/gdi.cpp
  src/win/handle_map.cpp
  src/win/menu.cpp
  src/win/module.cpp
  src/win/msg_dispatch.cpp
  src/win/msgbox.cpp
  src/win/profile.cpp
  src/win/resource_chain.cpp
  src/win/sync.cpp
  src/win/thread.cpp
  src/win/wnd.cpp
  src/win/wnd_handlers.cpp
  src/win/wnd_members.cpp
  src/win/wndclass.cpp
  src/win/wndproc_exception.cpp
)
