// Creates an object the way the program does, from the registry the program would read, as whoever
// runs it: create_object_probe <ProgID>. Prints "created", or why no object was made.
#include "com/create.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    try {
        com::CreateObject(argv[1]);
        std::cout << "created";
    } catch (const vb::RuntimeError& error) {
        std::cout << error.Description();
    }
    return 0;
}
