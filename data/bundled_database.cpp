#include "bundled_database.h"

#include "database_builder.h"

#include "vb/change_lock.h"
#include "vb/replacing_file.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

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
    // Adds the bytes of the open file; false when they cannot be read.
    bool AddContent(int descriptor) {
        std::vector<char> buffer(std::size_t{1} << 16);
        for (off_t at = 0;;) {
            const ssize_t got = ::pread(descriptor, buffer.data(), buffer.size(), at);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) return false;
            if (got == 0) return true;
            Add(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
            at += got;
        }
    }
    // Adds the file's bytes; false when there is no such file.
    bool AddFile(const fs::path& file) {
        const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0 && errno == ENOENT) return false;
        const bool read = descriptor >= 0 && AddContent(descriptor);
        if (descriptor >= 0) ::close(descriptor);
        if (!read) throw BuildError("cannot read " + file.string());
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

// What the build wrote: the fingerprint of the database file it wrote last and of what that was
// built from, and the fingerprint of the one before, which is still in place when a build ended
// between noting the new file and putting it in place. A file of either fingerprint holds no edits.
struct Record {
    std::optional<std::string> written;
    std::string inputs;
    std::optional<std::string> previous;

    bool Wrote(const std::optional<std::string>& fingerprint) const {
        return fingerprint && (fingerprint == written || fingerprint == previous);
    }
};

Record ReadRecord(const fs::path& file) {
    Record record;
    std::ifstream in(file);
    std::string key, value;
    while (in >> key >> value) {
        if (key == "written") record.written = value;
        else if (key == "inputs") record.inputs = value;
        else if (key == "previous") record.previous = value;
    }
    return record;
}

void WriteRecord(const fs::path& file, const Record& record) {
    std::string text = "written " + record.written.value_or("-") + "\ninputs " + record.inputs + "\n";
    if (record.previous) text += "previous " + *record.previous + "\n";
    try {
        vb::ReplaceFile(file, text);
    } catch (const vb::FileWriteError& error) {
        throw BuildError("cannot write " + file.string() + ": " + error.Reason());
    }
}

std::optional<std::string> BuiltFingerprint(const fs::path& file) {
    const auto fingerprint = FileFingerprint(file);
    if (!fingerprint) throw BuildError("cannot read " + file.string());
    return fingerprint;
}

// Removes what a build that was ended part-way left beside the files it writes: temporary
// databases with their journals, and a temporary record.
void RemoveLeftovers(const BundledDatabase& database) {
    for (const fs::path& file : {database.target, SampleBeside(database.target), database.record}) {
        std::vector<fs::path> left;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(fs::absolute(file).parent_path(), error)) {
            std::string name = entry.path().filename().string();
            if (name.ends_with("-journal")) name.resize(name.size() - std::string_view("-journal").size());
            if (vb::ReplacingFile::IsTemporaryOf(file, name)) left.push_back(entry.path());
        }
        for (const auto& path : left) fs::remove(path, error);
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

// Holds the cooler database locked the way its writers lock it, so that no maintainer's change can
// begin until the lock is gone; the file is read through a descriptor of its own, since closing
// any other descriptor of the file would give the lock up.
class WritersLockedOut {
public:
    explicit WritersLockedOut(const fs::path& database) : descriptor_(::open(database.c_str(), O_RDONLY | O_CLOEXEC)) {
        missing_ = descriptor_ < 0 && errno == ENOENT;
        if (descriptor_ < 0) return;
        if (sqlite3_open_v2(database.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
            sqlite3_busy_timeout(db_, kWaitForWritersMs);
            locked_ = sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
        }
    }
    ~WritersLockedOut() {
        if (locked_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    WritersLockedOut(const WritersLockedOut&) = delete;
    WritersLockedOut& operator=(const WritersLockedOut&) = delete;

    // Whether the database is still the file of this fingerprint, or still missing for none.
    bool StillIs(const std::optional<std::string>& fingerprint) const {
        if (descriptor_ < 0) return !fingerprint && missing_;
        Hash hash;
        return locked_ && fingerprint && hash.AddContent(descriptor_) && hash.Hex() == *fingerprint;
    }

private:
    static constexpr int kWaitForWritersMs = 5000;
    int descriptor_;
    bool missing_ = false;
    sqlite3* db_ = nullptr;
    bool locked_ = false;
};

// Builds the new sample and puts it in the target's place, unless the target changed meanwhile:
// looked at again just before the rename, while no writer may change it. False when it changed.
bool ReplaceTarget(const BundledDatabase& database, const std::string& inputs, const Record& last,
                   const std::optional<std::string>& expected) {
    vb::ReplacingFile file(database.target);
    BuildDatabaseFile(database.dataDir, file.WrittenPath(), Contents::Full);
    const Record record{BuiltFingerprint(file.WrittenPath()), inputs, expected ? expected : last.written};
    const WritersLockedOut lock(database.target);
    if (HasPendingWrites(database.target) || !lock.StillIs(expected)) return false;
    // Noted before the rename, so that either file counts as the build's own whenever the build ends.
    WriteRecord(database.record, record);
    PutInPlace(file, database.target);
    return true;
}

void WriteSample(const BundledDatabase& database, const std::string& inputs, const Record& last) {
    const fs::path sample = SampleBeside(database.target);
    BuildDatabase(database.dataDir, sample, Contents::Full);
    WriteRecord(database.record, Record{BuiltFingerprint(sample), inputs, last.written});
}

}  // namespace

fs::path SampleBeside(const fs::path& target) {
    return target.parent_path() / (target.stem().string() + "-sample" + target.extension().string());
}

Placement PlaceBundledDatabase(const BundledDatabase& database) {
    // One build at a time: another one's temporary files are no leftovers.
    const vb::ChangeLock building(database.record);
    RemoveLeftovers(database);
    const std::string inputs = InputsFingerprint(database);
    const Record last = ReadRecord(database.record);
    const fs::path sample = SampleBeside(database.target);

    const auto current = FileFingerprint(database.target);
    if (!current) {
        const bool staleSample = last.Wrote(FileFingerprint(sample));
        if (ReplaceTarget(database, inputs, last, current)) {
            if (staleSample) fs::remove(sample);
            return {Placed::Written};
        }
    } else if (last.Wrote(current) && !HasPendingWrites(database.target)) {
        if (current == last.written && last.inputs == inputs) return {Placed::Unchanged};
        if (ReplaceTarget(database, inputs, last, current)) return {Placed::Written};
    }
    const bool journalChanged = LeaveWriteAheadLog(database.target);
    if (last.inputs == inputs && last.written && FileFingerprint(sample) == last.written) return {Placed::Kept, journalChanged};
    WriteSample(database, inputs, last);
    return {Placed::KeptNewSample, journalChanged};
}

}  // namespace quellmar::data
