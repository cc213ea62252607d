// Build-time helper: writes a card sheet as the raw 32-bit pixels the game blits from, so that
// start-up maps them instead of decoding a PNG.
// Usage: sheet-to-pixels SOURCE.png OUTPUT

#include <QFile>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: sheet-to-pixels SOURCE.png OUTPUT\n", stderr);
        return EXIT_FAILURE;
    }
    const QImage sheet =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (sheet.isNull() || !output.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "sheet-to-pixels: cannot read %s or write %s\n", argv[1], argv[2]);
        return EXIT_FAILURE;
    }
    const auto bytes = static_cast<qint64>(sheet.sizeInBytes());
    return output.write(reinterpret_cast<const char*>(sheet.constBits()), bytes) == bytes
               ? EXIT_SUCCESS
               : EXIT_FAILURE;
}
