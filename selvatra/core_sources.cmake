# Window-free engine sources (data model, RTF reader): built into Selvatra.dll and natively.
set(SELVATRA_CORE_SOURCES
)
