// Resource ids of Marquill.
#pragma once
#define IDR_MAINFRAME 128
