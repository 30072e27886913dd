#include "database_builder.h"

#include "vb/replacing_file.h"

#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace quellmar::data {
namespace fs = std::filesystem;
namespace {

std::string ReadWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw BuildError("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

void Exec(sqlite3* db, const std::string& sql, const std::string& what) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : sqlite3_errmsg(db);
        sqlite3_free(message);
        throw BuildError(what + ": " + text);
    }
}

std::vector<fs::path> SortedFiles(const fs::path& dir, const std::string& extension) {
    std::vector<fs::path> files;
    if (fs::is_directory(dir))
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.is_regular_file() && entry.path().extension() == extension) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

bool IsDrawing(const fs::path& file) { return file.extension() == ".dxf"; }

void StoreDrawing(sqlite3* db, const fs::path& file) {
    const std::string name = file.stem().string();
    const std::string text = ReadWhole(file);
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "UPDATE Coolers SET Dxf = ?1 WHERE Name = ?2", -1, &raw, nullptr) != SQLITE_OK)
        throw BuildError(std::string("prepare drawing update: ") + sqlite3_errmsg(db));
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    sqlite3_bind_text(raw, 1, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(raw, 2, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(raw) != SQLITE_DONE) throw BuildError("store drawing " + file.string() + ": " + sqlite3_errmsg(db));
    if (sqlite3_changes(db) != 1) throw BuildError("drawing " + file.string() + " names no single model");
}

}  // namespace

std::vector<fs::path> SourceFiles(const fs::path& dataDir, Contents contents) {
    std::vector<fs::path> files;
    for (const char* file : {"schema.sql", "codes.sql", "vistemp.sql"}) files.push_back(dataDir / file);
    if (contents == Contents::Full) {
        for (const auto& file : SortedFiles(dataDir / "models", ".sql")) files.push_back(file);
        for (const auto& file : SortedFiles(dataDir / "drawings", ".dxf")) files.push_back(file);
    }
    return files;
}

void BuildDatabaseFile(const fs::path& dataDir, const fs::path& file, Contents contents) {
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::string text = raw ? sqlite3_errmsg(raw) : "out of memory";
        sqlite3_close(raw);
        throw BuildError("cannot create " + file.string() + ": " + text);
    }
    const Connection db(raw);
    Exec(db.get(), "BEGIN", "begin");
    for (const auto& source : SourceFiles(dataDir, contents)) {
        if (IsDrawing(source)) StoreDrawing(db.get(), source);
        else Exec(db.get(), ReadWhole(source), source.string());
    }
    Exec(db.get(), "COMMIT", "commit");
    // A write-ahead log would need files beside the database even to read it, which an installed,
    // read-only program folder cannot give; the rollback journal needs one only while a maintainer
    // writes.
    Exec(db.get(), "PRAGMA journal_mode=DELETE", "journal mode");
}

void PutInPlace(vb::ReplacingFile& file, const fs::path& target) try {
    // Files of the database that is replaced would otherwise be taken for the new one's.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) fs::remove(fs::path(target) += suffix);
    file.Commit();
} catch (const vb::FileWriteError& error) {
    throw BuildError("cannot write " + target.string() + ": " + error.Reason());
}

void BuildDatabase(const fs::path& dataDir, const fs::path& target, Contents contents) try {
    vb::ReplacingFile file(target);
    BuildDatabaseFile(dataDir, file.WrittenPath(), contents);
    PutInPlace(file, target);
} catch (const vb::FileWriteError& error) {
    throw BuildError("cannot write " + target.string() + ": " + error.Reason());
}

}  // namespace quellmar::data
