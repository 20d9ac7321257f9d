// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/icon_pixels/icon_drawing.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>

#include <cstdio>

// Renders the program's drawing into the icon files a desktop takes: a
// Windows .ico of several sizes, or a PNG of one.
//
//     render_icon_files DRAWING.svg FILE.ico=SIZE,SIZE,... FILE.png=SIZE ...

namespace {

void append16(QByteArray& bytes, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void append32(QByteArray& bytes, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&le), sizeof le);
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An icon's image as a device-independent bitmap: a header whose height
// counts the colour rows and the mask's, 32-bit BGRA rows bottom up, then a
// 1-bit mask, set where the image is transparent, for programs that read no
// alpha.
QByteArray bitmap(const QImage& image) {
    const int size = image.width();
    const int maskRowBytes = (size + 31) / 32 * 4;
    QByteArray bytes;
    append32(bytes, 40);
    append32(bytes, static_cast<quint32>(size));
    append32(bytes, static_cast<quint32>(2 * size));
    append16(bytes, 1);  // planes
    append16(bytes, 32); // bits per pixel
    append32(bytes, 0);  // no compression
    append32(bytes, static_cast<quint32>(size * size * 4 + maskRowBytes * size));
    for (int i = 0; i < 4; ++i) {
        append32(bytes, 0); // resolution and palette: none
    }
    for (int y = size - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            append32(bytes, row[x]);
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray mask(maskRowBytes, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(row[x]) == 0) {
                mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
            }
        }
        bytes += mask;
    }
    return bytes;
}

// The images, each size as Windows reads it best: 256 pixels as PNG, the
// smaller ones as bitmaps.
QByteArray ico(const QList<QImage>& images) {
    QByteArray directory;
    QByteArray data;
    append16(directory, 0);
    append16(directory, 1); // an icon, not a cursor
    append16(directory, static_cast<quint16>(images.size()));
    const int dataStart = 6 + 16 * static_cast<int>(images.size());
    for (const QImage& image : images) {
        const QByteArray bytes = image.width() >= 256 ? png(image) : bitmap(image);
        directory.append(static_cast<char>(image.width() % 256)); // 0 stands for 256
        directory.append(static_cast<char>(image.height() % 256));
        directory.append('\0'); // no palette
        directory.append('\0');
        append16(directory, 1);
        append16(directory, 32);
        append32(directory, static_cast<quint32>(bytes.size()));
        append32(directory, static_cast<quint32>(dataStart + data.size()));
        data += bytes;
    }
    return directory + data;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs(
            "usage: render_icon_files DRAWING.svg FILE.ico=SIZE,SIZE,... FILE.png=SIZE ...\n",
            stderr);
        return 2;
    }
    QSvgRenderer drawing(arguments[1]);
    if (!drawing.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    for (const QString& argument : arguments.sliced(2)) {
        const QString path = argument.section(u'=', 0, -2);
        QList<QImage> images;
        for (const QString& size : argument.section(u'=', -1).split(u',')) {
            bool isNumber = false;
            const int pixels = size.toInt(&isNumber);
            if (!isNumber || pixels < 1 || pixels > 256) {
                std::fprintf(stderr, "no size in %s\n", qPrintable(argument));
                return 2;
            }
            images
                << evdrive::renderDrawing(drawing, pixels).convertToFormat(QImage::Format_ARGB32);
        }
        const bool isIco = path.endsWith(u".ico");
        if (!isIco && images.size() != 1) {
            std::fprintf(stderr, "a PNG has one size: %s\n", qPrintable(argument));
            return 2;
        }
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(isIco ? ico(images) : png(images.front())) < 0 || !out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
