// Resource ids of the probe library.
#pragma once
#define IDS_PROBE_GREETING 101
#define IDD_PROBE_DIALOG 201
#define IDC_PROBE_LABEL 1001
