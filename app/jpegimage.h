// JPEG decoding through libjpeg-turbo; a file that cannot be decoded raises EAppError.
#pragma once

#include <QImage>
#include <string>

QImage LoadJpegFile(const std::string& path);
QImage DecodeJpeg(const unsigned char* data, size_t size, const std::string& nameForErrors);
