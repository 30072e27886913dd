// Counts the pixels in which pictures differ, to check that a change to the drawing code leaves
// the pictures as they were. Given two folders it compares the PNG files of the same name.
//
// Usage: picture_diff <before.png | folder> <after.png | folder> [marked.png]
// For two files, `marked.png` shows the pixels that differ in red over a pale copy of the first.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

struct Difference {
    long long differing = 0;
    long long pixels = 0;
};

bool Compare(const QString& before, const QString& after, Difference& total, const QString& marked = {}) {
    const QImage a = QImage(before).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(after).convertToFormat(QImage::Format_RGB32);
    if (a.isNull() || b.isNull() || a.size() != b.size()) {
        std::fprintf(stderr, "%s: missing or of another size\n", qPrintable(QFileInfo(after).fileName()));
        return false;
    }
    long long differing = 0;
    QImage marks = a;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        auto* rowMarks = reinterpret_cast<QRgb*>(marks.scanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            differing += rowA[x] != rowB[x];
            const int grey = 160 + qGray(rowA[x]) * 95 / 255;
            rowMarks[x] = rowA[x] != rowB[x] ? qRgb(255, 0, 0) : qRgb(grey, grey, grey);
        }
    }
    if (!marked.isEmpty()) marks.save(marked);
    const long long pixels = (long long)a.width() * a.height();
    std::printf("%-24s %9lld of %10lld pixels differ (%.3f %%)\n", qPrintable(QFileInfo(after).fileName()), differing,
                pixels, 100.0 * double(differing) / double(pixels));
    total.differing += differing;
    total.pixels += pixels;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: picture_diff <before.png | folder> <after.png | folder> [marked.png]\n");
        return 2;
    }
    const QString before = QString::fromLocal8Bit(argv[1]), after = QString::fromLocal8Bit(argv[2]);
    Difference total;
    bool ok = true;
    if (QFileInfo(before).isDir()) {
        const QStringList names = QDir(before).entryList({"*.png"}, QDir::Files, QDir::Name);
        for (const QString& name : names) ok = Compare(before + "/" + name, after + "/" + name, total) && ok;
        std::printf("all %zu pictures: %lld of %lld pixels differ (%.3f %%)\n", size_t(names.size()), total.differing,
                    total.pixels, total.pixels ? 100.0 * double(total.differing) / double(total.pixels) : 0.0);
    } else {
        ok = Compare(before, after, total, argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    }
    return ok ? 0 : 1;
}
