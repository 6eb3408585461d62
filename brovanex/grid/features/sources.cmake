# The feature objects (each feature issue appends its files here).
# Value formats: numbers, dates and times.
list(APPEND GX_CORE_SOURCES
  features/GXDateTimeImp.cpp
  features/GXNumberFormattingImp.cpp)
