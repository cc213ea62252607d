// Build-time helper: writes the emblem enlarged to one icon size, for the desktop icon theme.
// Usage: scale-emblem SOURCE.png SIZE OUTPUT.png

#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: scale-emblem SOURCE.png SIZE OUTPUT.png\n", stderr);
        return EXIT_FAILURE;
    }
    const QImage emblem(QString::fromLocal8Bit(argv[1]));
    const int size = QString::fromLocal8Bit(argv[2]).toInt();
    if (emblem.isNull() || size <= 0) {
        std::fprintf(stderr, "scale-emblem: cannot read %s or size %s\n", argv[1], argv[2]);
        return EXIT_FAILURE;
    }
    // Nearest neighbour keeps the pixel art crisp: every emblem pixel becomes a solid block.
    const QImage icon = emblem.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return icon.save(QString::fromLocal8Bit(argv[3]), "PNG") ? EXIT_SUCCESS : EXIT_FAILURE;
}
