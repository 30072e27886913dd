#include "engine/data_access.h"

#include "engine/database_trouble.h"
#include "engine/engine_error.h"
#include "vb/program_folder.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <set>

namespace quellmar::engine {
namespace {

// Readers never hold up the maintenance windows for long: they wait for a writer instead of failing.
constexpr int kBusyTimeoutMs = 5000;

// Resets a statement on every exit path, so no finished or failed query keeps its read lock.
class ResetOnExit {
public:
    explicit ResetOnExit(sqlite3_stmt* statement) : statement_(statement) {}
    ~ResetOnExit() {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    ResetOnExit(const ResetOnExit&) = delete;
    ResetOnExit& operator=(const ResetOnExit&) = delete;

private:
    sqlite3_stmt* statement_;
};

// The tables that make a file a cooler database.
constexpr std::array<const char*, 17> kCoolerTables = {
    "Coolers", "CoolerTypes", "MotorTypes", "ProductRange", "Series", "CoolingCapacity", "PressureDrop",
    "AirPDCorrections", "HTCorrectionMobile", "HTCorrection", "HTCorrectionOilFlow", "HTCorrectionWaterFlow",
    "PDCorrection", "PDCorrectionOilFlow", "PDCorrectionViscosity", "VisTemp", "dbAttributes"};

std::string Folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Raises a DatabaseError when the open file cannot be read or is no cooler database. Reading the
// table list changes nothing on disk, so an empty or foreign file stays as it was.
void CheckCoolerDatabase(sqlite3* db, const std::filesystem::path& file) {
    sqlite3_stmt* statement = nullptr;
    std::set<std::string> present;
    int rc = sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table'", -1, &statement, nullptr);
    if (rc == SQLITE_OK)
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
            present.insert(Folded(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))));
    const std::string failure = sqlite3_errmsg(db);
    const int code = sqlite3_extended_errcode(db);
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE) {
        const std::string trouble = DatabaseTrouble(code, failure, file);
        throw DatabaseError(trouble.empty() ? "The cooler database " + file.string() + " cannot be read: " + failure + "."
                                            : trouble);
    }

    const std::string notOne = "The file " + file.string() + " is not a cooler database: ";
    std::error_code error;
    if (present.empty() && std::filesystem::file_size(file, error) == 0 && !error) throw DatabaseError(notOne + "it is empty.");
    std::string missing;
    std::size_t count = 0;
    for (const char* table : kCoolerTables)
        if (!present.contains(Folded(table))) missing += std::string(count++ == 0 ? "" : ", ") + table;
    if (count == kCoolerTables.size()) throw DatabaseError(notOne + "it holds none of the cooler tables.");
    if (count > 0) throw DatabaseError(notOne + "it has no table " + missing + ".");
}

vb::Variant ColumnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_NULL:
            return vb::Variant::Null();
        case SQLITE_INTEGER: {
            const sqlite3_int64 value = sqlite3_column_int64(statement, column);
            if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max())
                return vb::Variant(static_cast<std::int32_t>(value));
            return vb::Variant(static_cast<double>(value));
        }
        case SQLITE_FLOAT:
            return vb::Variant(sqlite3_column_double(statement, column));
        default: {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
            return vb::Variant(std::string(bytes ? bytes : "", static_cast<std::size_t>(sqlite3_column_bytes(statement, column))));
        }
    }
}

int Bind(sqlite3_stmt* statement, int index, const vb::Variant& value) {
    return std::visit(
        [&](const auto& v) -> int {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, vb::EmptyValue> || std::is_same_v<T, vb::NullValue>)
                return sqlite3_bind_null(statement, index);
            else if constexpr (std::is_same_v<T, double>)
                return sqlite3_bind_double(statement, index, v);
            else if constexpr (std::is_same_v<T, std::string>)
                return sqlite3_bind_text(statement, index, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
            else
                return sqlite3_bind_int(statement, index, value.ToLong());
        },
        value.Value());
}

}  // namespace

std::filesystem::path DataAccess::DefaultDatabase() { return vb::ProgramFolder() / "quellmar.mdb"; }

DataAccess::DataAccess() : DataAccess(DefaultDatabase()) {}

std::string ReadDatabaseVersion(const std::filesystem::path& database) {
    DataAccess data(database);
    const QueryResult rows = data.Execute("select vcValue from dbAttributes where vcAttribute = ?1", {vb::Variant("version")});
    if (rows.IsEmpty() || rows.Rows() == 0 || rows.At(0, 0).IsNull()) return {};
    return rows.At(0, 0).ToString();
}

DataAccess::DataAccess(const std::filesystem::path& database) : database_(database) {
    if (sqlite3_open_v2(database_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw DatabaseError("The cooler database " + database_.string() + " cannot be opened: " + reason + ".");
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    // A file that is no cooler database opens without complaint; say so now rather than at the first query.
    try {
        CheckCoolerDatabase(db_, database_);
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

DataAccess::~DataAccess() {
    for (auto& [sql, statement] : statements_) sqlite3_finalize(statement);
    sqlite3_close(db_);
}

void DataAccess::Fail(std::string_view what, std::string_view sql) const {
    if (std::string trouble = DatabaseTrouble(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_), database_); !trouble.empty())
        throw DatabaseError(trouble);
    throw DatabaseError(std::string(what) + ": " + sqlite3_errmsg(db_) + "\nQuery: " + std::string(sql));
}

sqlite3_stmt* DataAccess::Prepared(std::string_view sql) {
    if (const auto found = statements_.find(sql); found != statements_.end()) return found->second;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &statement, nullptr) !=
        SQLITE_OK)
        Fail("The cooler database rejects a query", sql);
    if (statement == nullptr) Fail("The query is empty", sql);
    statements_.emplace(std::string(sql), statement);
    return statement;
}

DataAccess::Snapshot::Snapshot(DataAccess& data) : data_(data) {
    if (sqlite3_exec(data_.db_, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) data_.Fail("A read cannot begin", "BEGIN");
}

DataAccess::Snapshot::~Snapshot() { sqlite3_exec(data_.db_, "COMMIT", nullptr, nullptr, nullptr); }

QueryResult DataAccess::Execute(std::string_view sql, const std::vector<vb::Variant>& parameters) {
    if (sql.empty()) return QueryResult();
    sqlite3_stmt* statement = Prepared(sql);
    const ResetOnExit reset(statement);
    if (sqlite3_bind_parameter_count(statement) != static_cast<int>(parameters.size()))
        throw DatabaseError("A query was given " + std::to_string(parameters.size()) + " values for " +
                            std::to_string(sqlite3_bind_parameter_count(statement)) + " parameters.\nQuery: " + std::string(sql));
    for (std::size_t i = 0; i < parameters.size(); ++i)
        if (Bind(statement, static_cast<int>(i) + 1, parameters[i]) != SQLITE_OK) Fail("A query value cannot be bound", sql);

    const int fields = sqlite3_column_count(statement);
    QueryResult result(static_cast<std::size_t>(fields), 0);
    for (;;) {
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) Fail("A query of the cooler database failed", sql);
        const std::size_t row = result.AddRow();
        for (int f = 0; f < fields; ++f) result.At(static_cast<std::size_t>(f), row) = ColumnValue(statement, f);
    }
    return result;
}

}  // namespace quellmar::engine
