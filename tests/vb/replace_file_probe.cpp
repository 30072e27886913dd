// Saves a file as whoever runs it, for the tests of files that several users share:
// replace_file_probe <target> <content> in-place|replace
// Prints "written", or the reason why the file was not written.
#include "vb/replacing_file.h"

#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const auto fallback = std::strcmp(argv[3], "in-place") == 0 ? vb::ReplacingFile::Fallback::WriteInPlace
                                                                  : vb::ReplacingFile::Fallback::None;
    try {
        vb::ReplaceFile(argv[1], argv[2], fallback);
        std::cout << "written";
    } catch (const vb::FileWriteError& error) {
        std::cout << error.Reason();
    }
    return 0;
}
