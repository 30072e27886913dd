#include "test_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace quellmar::test {

TestDatabase::TestDatabase(data::Contents contents) : file_(folder_ / "quellmar.mdb") {
    data::BuildDatabase(QUELLMAR_DATA_DIR, file_, contents);
}

void TestDatabase::Exec(const std::string& sql) const {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(file_.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string text = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << text << "\nin: " << sql;
}

}  // namespace quellmar::test
