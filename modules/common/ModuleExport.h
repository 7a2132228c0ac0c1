#pragma once
// Marks the one symbol a chip family module publishes; everything else stays
// hidden (the version script enforces the same at link time).

#define VELDRIX_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
