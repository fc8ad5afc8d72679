// button-pixels: turns the buttons' PNG pictures into the pixels the program compiles in, so
// that showing a button decodes nothing. Each OUT/NAME.argb holds the width and the height
// (32 bits each, this machine's byte order), then the rows of premultiplied 32-bit ARGB
// pixels, top to bottom.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: button-pixels OUT PNG...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) {
            std::fprintf(stderr, "button-pixels: cannot read %s\n", argv[i]);
            return 1;
        }
        const quint32 size[2] = {quint32(image.width()), quint32(image.height())};
        QFile out(folder + u'/' + QFileInfo(path).completeBaseName() + QStringLiteral(".argb"));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(reinterpret_cast<const char*>(size), sizeof size) != qint64(sizeof size)) {
            std::fprintf(stderr, "button-pixels: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
        for (int row = 0; row < image.height(); ++row) {
            const qint64 length = qint64(image.width()) * 4;
            if (out.write(reinterpret_cast<const char*>(image.constScanLine(row)), length) !=
                length) {
                std::fprintf(stderr, "button-pixels: cannot write %s\n",
                             qPrintable(out.fileName()));
                return 1;
            }
        }
    }
    return 0;
}
