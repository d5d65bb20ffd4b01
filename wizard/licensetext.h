// The licence text file into a document: rich text formatted, any other file as plain text.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

class QTextDocument;

// Larger licence files are cut here: the part that fits is shown.
constexpr qsizetype kMaxLicenseBytes = 4 * 1024 * 1024;

// Replaces the document's content with the file's text; false when the file cannot be read.
bool LoadLicenseText(const std::string& path, QTextDocument& document);

// Plain text: UTF-16 or UTF-8 with their byte-order mark, UTF-8, otherwise Big5 (the Traditional
// Chinese code page of the licence box). An incomplete character at the end is dropped.
QString DecodePlainText(const QByteArray& data);
