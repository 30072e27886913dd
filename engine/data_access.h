#pragma once

#include "engine/field_row_array.h"
#include "vb/variant.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace quellmar::engine {

using QueryResult = FieldRowArray<vb::Variant>;

// One open connection to the cooler database, from creation to release. The database is never
// created and only read: a missing file, or one that is no cooler database (empty, or without its
// tables), is a DatabaseError and stays as it was. Reading needs no write access to the file or
// its folder.
class DataAccess {
public:
    // quellmar.mdb in the program folder.
    DataAccess();
    explicit DataAccess(const std::filesystem::path& database);
    ~DataAccess();
    DataAccess(const DataAccess&) = delete;
    DataAccess& operator=(const DataAccess&) = delete;

    static std::filesystem::path DefaultDatabase();
    const std::filesystem::path& Database() const { return database_; }

    // Runs one SQL text with its ?1, ?2 ... parameters bound to `parameters` and returns every row:
    // field first, row second, values as stored (a Null field stays Null). An empty SQL text runs
    // nothing and returns an Empty array. Raises DatabaseError when the database rejects the query.
    QueryResult Execute(std::string_view sql, const std::vector<vb::Variant>& parameters = {});

    // Holds one read snapshot while it lives, so the many small queries of a search share one lock
    // instead of taking and dropping it each time. A writer waits the few milliseconds it lasts.
    class Snapshot {
    public:
        explicit Snapshot(DataAccess& data);
        ~Snapshot();
        Snapshot(const Snapshot&) = delete;
        Snapshot& operator=(const Snapshot&) = delete;

    private:
        DataAccess& data_;
    };

private:
    sqlite3_stmt* Prepared(std::string_view sql);
    [[noreturn]] void Fail(std::string_view what, std::string_view sql) const;

    std::filesystem::path database_;
    sqlite3* db_ = nullptr;
    // The engine runs the same few texts for every model; keeping them prepared keeps a search fast.
    std::map<std::string, sqlite3_stmt*, std::less<>> statements_;
};

// The version text of the cooler database (the dbAttributes row "version"); empty when it holds
// none. Raises DatabaseError when the file cannot be read or is no cooler database.
std::string ReadDatabaseVersion(const std::filesystem::path& database);

}  // namespace quellmar::engine
