// Places the sample cooler database in the program folder, built from the texts of the data folder:
// build_database <data folder> <target database> <record file>. A target that holds a maintainer's
// edits is kept; the new sample then goes beside it.
#include "bundled_database.h"
#include "database_builder.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: " << argv[0] << " <data folder> <target database> <record file>\n";
        return 2;
    }
    try {
        namespace data = quellmar::data;
        const data::BundledDatabase database{argv[1], argv[2], argv[3], {"/proc/self/exe"}};
        const data::Placement placement = data::PlaceBundledDatabase(database);
        if (placement.journalChanged)
            std::cout << "Gave " << database.target.string()
                      << " the rollback journal in place of its write-ahead log, so that it reads from a read-only "
                         "folder too; its rows are as they were.\n";
        switch (placement.placed) {
            case data::Placed::Written:
                std::cout << "Wrote the sample cooler database " << database.target.string() << "\n";
                break;
            case data::Placed::KeptNewSample:
                std::cout << "Kept " << database.target.string()
                          << ": it is not the database this build wrote last, so it holds edits, and a build never "
                             "replaces them.\nThe new sample cooler database is "
                          << data::SampleBeside(database.target).string() << "; to use it, move it over "
                          << database.target.filename().string() << ".\n";
                break;
            case data::Placed::Unchanged:
            case data::Placed::Kept:
                break;
        }
    } catch (const std::exception& e) {
        std::cerr << "build_database: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
