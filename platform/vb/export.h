#pragma once

// Symbols of the shared runtime library that other libraries and programs may use.
#define VB_API __attribute__((visibility("default")))
