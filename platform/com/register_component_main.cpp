// Registers component libraries in the registry of components (or, with -u, removes them), as
// the platform's registration tool does: it loads each library and calls its entry point.

#include "com/create.h"
#include "com/registry.h"

#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    bool unregister = false;
    int libraries = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-u") {
            unregister = true;
            continue;
        }
        ++libraries;
        try {
            if (unregister) com::UnregisterServer(argument);
            else com::RegisterServer(argument);
            std::cout << (unregister ? "Unregistered " : "Registered ") << argument << " in "
                      << com::Registry::DefaultFile().string() << "\n";
        } catch (const vb::RuntimeError& error) {
            std::cerr << argument << ": " << error.Description() << "\n";
            return 1;
        }
    }
    if (libraries == 0) {
        std::cerr << "usage: register_component [-u] library...\n";
        return 2;
    }
    return 0;
}
