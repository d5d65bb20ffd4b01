#include "app/jpegimage.h"

#include "platform/application.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void onMessage(j_common_ptr) {} // warnings are not the user's business

// Plain C state only between setjmp and longjmp: nothing here has a destructor to skip.
bool decode(const unsigned char* data, size_t size, QImage* out, char* message, size_t messageSize) {
    jpeg_decompress_struct info;
    ErrorManager err;
    info.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.output_message = onMessage;
    err.message[0] = '\0';
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, messageSize, "%s", err.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_RGBX;
    jpeg_start_decompress(&info);
    // Skin pictures are small; a header claiming a huge picture is treated as damage, not allocated.
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > 8192 ||
        info.output_height > 8192) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, messageSize, "picture size out of range");
        return false;
    }
    *out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGBX8888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}
} // namespace

QImage DecodeJpeg(const unsigned char* data, size_t size, const std::string& nameForErrors) {
    QImage image;
    char message[JMSG_LENGTH_MAX + 32] = {};
    if (!data || size == 0) throw EAppError("JPEG error in " + nameForErrors + ": empty file");
    if (!decode(data, size, &image, message, sizeof message))
        throw EAppError("JPEG error in " + nameForErrors + ": " + message);
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage LoadJpegFile(const std::string& path) {
    QFile f(QString::fromUtf8(path));
    if (!f.open(QIODevice::ReadOnly)) throw EAppError("Cannot open picture file " + path);
    if (f.size() > (64 << 20)) throw EAppError("Picture file too large: " + path);
    const QByteArray bytes = f.readAll();
    return DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                      static_cast<size_t>(bytes.size()), path);
}
