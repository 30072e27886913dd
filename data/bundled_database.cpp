#include "bundled_database.h"

#include "database_builder.h"

#include "vb/replacing_file.h"

#include <sqlite3.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace quellmar::data {
namespace fs = std::filesystem;
namespace {

// 64-bit FNV-1a: enough to tell an edited file from the one the build wrote, which is all the
// record is for.
class Hash {
public:
    void Add(std::string_view bytes) {
        for (const char c : bytes) {
            value_ ^= static_cast<unsigned char>(c);
            value_ *= 1099511628211ULL;
        }
    }
    // Adds the file's bytes; false when there is no such file.
    bool AddFile(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        if (!in) return false;
        char buffer[1 << 16];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0) Add(std::string_view(buffer, static_cast<std::size_t>(in.gcount())));
        if (in.bad()) throw BuildError("cannot read " + file.string());
        return true;
    }
    std::string Hex() const {
        std::ostringstream text;
        text << std::hex << value_;
        return text.str();
    }

private:
    std::uint64_t value_ = 14695981039346656037ULL;
};

std::optional<std::string> FileFingerprint(const fs::path& file) {
    Hash hash;
    if (!hash.AddFile(file)) return std::nullopt;
    return hash.Hex();
}

std::string InputsFingerprint(const BundledDatabase& database) {
    Hash hash;
    const auto addFile = [&](const fs::path& file, const std::string& name) {
        hash.Add(name);
        hash.Add(std::string_view("\0", 1));
        if (!hash.AddFile(file)) throw BuildError("cannot read " + file.string());
        hash.Add(std::string_view("\0", 1));
    };
    for (const auto& file : SourceFiles(database.dataDir, Contents::Full))
        addFile(file, file.lexically_relative(database.dataDir).generic_string());
    for (const auto& tool : database.tools) addFile(tool, tool.filename().string());
    return hash.Hex();
}

// What the build wrote last: the fingerprint of that database file and of what it was built from.
struct Record {
    std::optional<std::string> written;
    std::string inputs;
};

Record ReadRecord(const fs::path& file) {
    Record record;
    std::ifstream in(file);
    std::string key, value;
    while (in >> key >> value) {
        if (key == "written") record.written = value;
        else if (key == "inputs") record.inputs = value;
    }
    return record;
}

void WriteRecord(const fs::path& file, const fs::path& written, const std::string& inputs) {
    const auto fingerprint = FileFingerprint(written);
    if (!fingerprint) throw BuildError("cannot read " + written.string());
    if (file.has_parent_path()) fs::create_directories(file.parent_path());
    try {
        vb::ReplaceFile(file, "written " + *fingerprint + "\ninputs " + inputs + "\n");
    } catch (const vb::FileWriteError& error) {
        throw BuildError("cannot write " + file.string() + ": " + error.Reason());
    }
}

// A journal or log beside the database holds writes that are not in the file itself yet.
bool HasPendingWrites(const fs::path& database) {
    for (const char* suffix : {"-journal", "-wal"}) {
        std::error_code error;
        const auto size = fs::file_size(fs::path(database) += suffix, error);
        if (!error && size > 0) return true;
    }
    return false;
}

// Turns a database in write-ahead-log mode to the rollback journal; false when it is in another
// mode already or cannot be changed now (someone has it open), which is tried again next build.
bool LeaveWriteAheadLog(const fs::path& database) {
    sqlite3* db = nullptr;
    bool changed = false;
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        const auto mode = [&](const char* sql) {
            std::string result;
            sqlite3_exec(
                db, sql,
                [](void* out, int, char** values, char**) {
                    *static_cast<std::string*>(out) = values[0] ? values[0] : "";
                    return 0;
                },
                &result, nullptr);
            return result;
        };
        changed = mode("PRAGMA journal_mode") == "wal" && mode("PRAGMA journal_mode = DELETE") == "delete";
    }
    sqlite3_close(db);
    return changed;
}

}  // namespace

fs::path SampleBeside(const fs::path& target) {
    return target.parent_path() / (target.stem().string() + "-sample" + target.extension().string());
}

Placement PlaceBundledDatabase(const BundledDatabase& database) {
    const std::string inputs = InputsFingerprint(database);
    const Record last = ReadRecord(database.record);
    const fs::path sample = SampleBeside(database.target);
    const auto write = [&](const fs::path& file) {
        BuildDatabase(database.dataDir, file, Contents::Full);
        WriteRecord(database.record, file, inputs);
    };

    const auto current = FileFingerprint(database.target);
    if (!current) {
        const bool staleSample = last.written && FileFingerprint(sample) == last.written;
        write(database.target);
        if (staleSample) fs::remove(sample);
        return {Placed::Written};
    }
    if (current == last.written && !HasPendingWrites(database.target)) {
        if (last.inputs == inputs) return {Placed::Unchanged};
        write(database.target);
        return {Placed::Written};
    }
    const bool journalChanged = LeaveWriteAheadLog(database.target);
    if (last.inputs == inputs && last.written && FileFingerprint(sample) == last.written) return {Placed::Kept, journalChanged};
    write(sample);
    return {Placed::KeptNewSample, journalChanged};
}

}  // namespace quellmar::data
