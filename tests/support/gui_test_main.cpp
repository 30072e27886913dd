// The main of every GUI test: the application runs headless, so it is made offscreen before the
// QApplication exists (test discovery starts the binary without the test's environment).
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Qt wants a private runtime folder and warns on every start without one; CI shells have none.
void EnsureRuntimeFolder() {
    if (std::getenv("XDG_RUNTIME_DIR")) return;
    const std::string folder = "/tmp/quellmar-runtime-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    EnsureRuntimeFolder();
    QApplication app(argc, argv);
    // By the time a death test starts, Qt runs threads of its own (the raster engine's pool); a
    // forked child has none of them but waits on them for good. A fresh process of the test
    // program runs just the one test instead, and reaches the statement before Qt starts a
    // thread, which a user namespace needs (small_disk.h).
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
