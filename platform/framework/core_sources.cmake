# Portable framework sources: built into Framework.dll and natively (paths relative to
# platform/framework).
set(FW_CORE_SOURCES
)
