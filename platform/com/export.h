#pragma once

// Symbols of the shared component layer that other libraries and programs use.
#define COM_API __attribute__((visibility("default")))
