#pragma once

// Resource IDs of Lumora.exe.
#define IDI_LUMORA 1
