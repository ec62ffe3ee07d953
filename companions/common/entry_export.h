#pragma once
// The companion libraries are built with hidden symbols; only their entry points are exported, with C
// linkage, so that the program finds them by their plain names.

#define COMPANION_ENTRY extern "C" __attribute__((visibility("default")))
