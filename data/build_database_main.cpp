// Builds quellmar.mdb from the texts of the data folder: build_database <data folder> <target>.
#include "database_builder.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <data folder> <target database>\n";
        return 2;
    }
    try {
        quellmar::data::BuildDatabase(argv[1], argv[2], quellmar::data::Contents::Full);
    } catch (const std::exception& e) {
        std::cerr << "build_database: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
