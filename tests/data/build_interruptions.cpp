// Interrupts the database build tool where a test wants it interrupted. Loaded into the tool with
// LD_PRELOAD, it reads QUELLMAR_TEST_INTERRUPT:
//   "pause-building"      stops the tool (SIGSTOP) as it begins to build the new database, so that
//                         the test can change the old one meanwhile and then let it go on;
//   "end-before-placing"  ends the tool just before it renames the new database into place;
//   "end-after-placing"   ends it just after, as a build killed at these points ends.
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string_view>
#include <unistd.h>

struct sqlite3;

namespace {

bool Interrupts(const char* point) {
    const char* chosen = std::getenv("QUELLMAR_TEST_INTERRUPT");
    return chosen != nullptr && std::strcmp(chosen, point) == 0;
}

bool IsTheDatabase(std::string_view path) { return path.ends_with("/quellmar.mdb"); }

template <class Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int rename(const char* from, const char* to) {
    static const auto next = Next<int (*)(const char*, const char*)>("rename");
    if (IsTheDatabase(to) && Interrupts("end-before-placing")) ::_exit(137);
    const int result = next(from, to);
    if (IsTheDatabase(to) && Interrupts("end-after-placing")) ::_exit(137);
    return result;
}

extern "C" int sqlite3_open_v2(const char* file, sqlite3** db, int flags, const char* vfs) {
    static const auto next = Next<int (*)(const char*, sqlite3**, int, const char*)>("sqlite3_open_v2");
    if (std::strstr(file, "/quellmar.mdb.tmp-") != nullptr && Interrupts("pause-building")) std::raise(SIGSTOP);
    return next(file, db, flags, vfs);
}
